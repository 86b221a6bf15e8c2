#include "web/core/PagePanel.h"

#include "embedded/ContainerPainter.h"
#include "embedded/EquationsPicture.h"
#include "embedded/PictureRenderer.h"

namespace web {

namespace {

// The window's panel shows the picture at the screen's logical density,
// which CSS pixels have by definition.
constexpr int PixelsPerInch = 96;

} // namespace

platform::PixelBuffer DrawPanelPicture(platform::TextBackend& text, double ratio)
{
    const platform::PixelBox bounds{0, 0, PagePanel::Width, PagePanel::Height};
    const platform::PixelBox device = DeviceBox(bounds, ratio);
    platform::PixelBuffer picture(device.right, device.bottom, ratio);
    const VectorPicture equations = EquationsPicture();
    PaintContainer(picture, bounds, ContainerLook{clWhite, &equations, PixelsPerInch, PixelsPerInch}, text);
    return picture;
}

PagePanel::PagePanel(platform::TextBackend& text)
    : text_(text)
{
}

bool PagePanel::Update(double ratio)
{
    if (!picture_.IsEmpty() && picture_.Ratio() == ratio)
        return false;
    picture_ = DrawPanelPicture(text_, ratio);
    return true;
}

} // namespace web
