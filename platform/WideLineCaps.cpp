#include "platform/WideLineCaps.h"

#include "platform/PixelBuffer.h"
#include "platform/RasterLine.h"

namespace platform::raster {

namespace {

// Whether the pixel along and across a line drawn along x (or, transposed,
// along y) is set in the picture.
bool IsSet(const PixelBuffer& picture, bool alongX, int along, int across)
{
    const int x = alongX ? along : across;
    const int y = alongX ? across : along;
    return (picture.At(x, y) & 0xFFFFFF) == 0;
}

} // namespace

std::optional<WideLineCaps> WideLineCaps::Measure(int width, const LineDrawer& drawLine)
{
    if (width < 2)
        return std::nullopt;
    // A line from (start, centre) to (end, centre), well inside its picture,
    // and the same down a column.
    const int margin = 2 * width + 4;
    const int length = 2 * width + 4;
    const int start = margin;
    const int end = margin + length;
    const int size = end + margin;
    const int centre = size / 2;
    WideLineCaps caps;
    caps.shortest_ = length;
    for (const bool alongX : {true, false}) {
        PixelBuffer picture(size, size);
        drawLine(picture, alongX ? Point(start, centre) : Point(centre, start),
                 alongX ? Point(end, centre) : Point(centre, end));

        std::vector<Stretch> lower;
        std::vector<Stretch> upper;
        const CrossSpan body = CrossSectionAt(centre, width);
        for (int along = 0; along < size; ++along) {
            std::optional<Stretch> stretch;
            for (int across = 0; across < size; ++across) {
                if (!IsSet(picture, alongX, along, across))
                    continue;
                if (stretch && stretch->last + centre != across - 1)
                    return std::nullopt; // not one stretch across the line
                if (!stretch)
                    stretch = Stretch{0, across - centre, across - centre};
                stretch->last = across - centre;
            }
            const bool inBody = along >= start && along < end;
            if (inBody) {
                if (!stretch || stretch->first != body.first - centre || stretch->last != body.last - centre)
                    return std::nullopt;
            } else if (stretch) {
                stretch->along = along < start ? along - start : along - end;
                (along < start ? lower : upper).push_back(*stretch);
            }
        }
        if (alongX) {
            caps.lower_ = std::move(lower);
            caps.upper_ = std::move(upper);
        } else if (lower != caps.lower_ || upper != caps.upper_) {
            return std::nullopt; // rows and columns differ
        }
    }
    return caps;
}

} // namespace platform::raster
