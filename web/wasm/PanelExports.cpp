// The equations panel "tlumene" for the page's script: its picture at the
// page's devicePixelRatio as bytes for its canvas. It needs neither the
// chart nor the figure, so every page has it.
#include "web/core/PagePanel.h"
#include "web/core/RgbaPicture.h"
#include "web/wasm/PageFonts.h"
#include "web/wasm/PageRatio.h"

#include <emscripten/emscripten.h>

#include <cstdint>

namespace {

struct Panel {
    web::PagePanel panel{web::PageText()};
    web::RgbaPicture shown;
};

Panel& ThePanel()
{
    static Panel panel;
    return panel;
}

} // namespace

extern "C" {

// Brings the panel's bytes up to the page's devicePixelRatio: 1 when they
// changed since the last call.
EMSCRIPTEN_KEEPALIVE int kyvadlo_panel_update(double ratio)
{
    Panel& panel = ThePanel();
    if (!panel.panel.Update(web::PageRatio(ratio)))
        return 0;
    panel.shown.Assign(panel.panel.Picture());
    return 1;
}

// The panel's RGBA bytes and their size in device pixels, as of the last update.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kyvadlo_panel_bytes()
{
    return ThePanel().shown.Bytes();
}

EMSCRIPTEN_KEEPALIVE int kyvadlo_panel_width()
{
    return ThePanel().shown.Width();
}

EMSCRIPTEN_KEEPALIVE int kyvadlo_panel_height()
{
    return ThePanel().shown.Height();
}

} // extern "C"
