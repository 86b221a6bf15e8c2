#include "embedded/ContainerPainter.h"

#include "embedded/PictureMapping.h"
#include "embedded/PictureRenderer.h"
#include "platform/DrawEdge.h"

platform::PixelBox PaintContainer(platform::PixelBuffer& buffer, const platform::PixelBox& bounds,
                                  const ContainerLook& look, platform::TextBackend& text)
{
    const platform::PixelBox everywhere{0, 0, buffer.Width(), buffer.Height()};
    FillBox(buffer, everywhere, bounds, ToRgb(look.color));
    // The edge fills the interior with the face colour, so the control's own
    // colour does not show once the edge is drawn.
    const auto fill = [&buffer, &everywhere](const platform::PixelBox& box, TColor color) {
        FillBox(buffer, everywhere, box, ToRgb(color));
    };
    const platform::PixelBox interior = DrawEdge(fill, bounds, edgeSunken, bfRect | bfMiddle);
    if (look.picture == nullptr || interior.right <= interior.left || interior.bottom <= interior.top)
        return interior;

    const PictureSize size = PictureSizeInPixels(look.picture->extent, look.pixelsPerInchX, look.pixelsPerInchY);
    const platform::PixelBox target{interior.left, interior.top, interior.left + size.width,
                                    interior.top + size.height};
    DrawVectorPicture(buffer, DeviceBox(interior, buffer.Ratio()), *look.picture, target, text);
    return interior;
}
