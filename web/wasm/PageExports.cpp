// What the page's script calls: the controls' events, the timer, the error
// box, and the record of the runs for the test hook. The chart's and the
// figure's are in PagePictures.cpp.
#include "platform/TextBackend.h"
#include "web/wasm/JsonNumber.h"
#include "web/wasm/Page.h"
#include "web/wasm/PageFonts.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<web::Page> page;

} // namespace

web::Page& web::ThePage()
{
    return *page;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void kyvadlo_create(int decimalSeparator)
{
    // The canvases measure and draw their text with the page's fonts; they
    // ask for it from the moment the chart is made.
    platform::SetTextBackend(&web::PageText());
    page = std::make_unique<web::Page>(static_cast<char16_t>(decimalSeparator));
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_set_decimal_separator(int decimalSeparator)
{
    page->runs.SetDecimalSeparator(static_cast<char16_t>(decimalSeparator));
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_start(const char* length, const char* angle, const char* inertia)
{
    page->runs.ClickStart({length, angle, inertia});
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_stop()
{
    page->runs.ClickStop();
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_clear()
{
    page->runs.ClickClear();
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_set_slow(int ticked)
{
    page->runs.SetSlow(ticked != 0);
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_timer_fired()
{
    page->runs.TimerFired();
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_error_box_closed()
{
    page->runs.ErrorBoxClosed();
}

EMSCRIPTEN_KEEPALIVE int kyvadlo_run_depth()
{
    return page->runs.RunDepth();
}

EMSCRIPTEN_KEEPALIVE double kyvadlo_passes()
{
    return static_cast<double>(page->runs.Passes());
}

// The series of the runs as JSON: [{"slot": i, "t": [...], "phi": [...]}, ...].
// The string lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* kyvadlo_series_json()
{
    static std::string json;
    json = "[";
    for (const web::RunRecord::Series& series : page->record.SeriesList()) {
        if (json.size() > 1)
            json += ',';
        json += "{\"slot\":" + std::to_string(series.seriesIndex) + ",\"t\":[";
        for (std::size_t i = 0; i < series.times.size(); ++i) {
            if (i > 0)
                json += ',';
            web::AppendJsonNumber(json, series.times[i]);
        }
        json += "],\"phi\":[";
        for (std::size_t i = 0; i < series.degrees.size(); ++i) {
            if (i > 0)
                json += ',';
            web::AppendJsonNumber(json, series.degrees[i]);
        }
        json += "]}";
    }
    json += ']';
    return json.c_str();
}

} // extern "C"
