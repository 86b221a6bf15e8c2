#include "platform/qt/QtWideLineCaps.h"

#include "platform/RasterLine.h"
#include "platform/qt/QtRecipes.h"

#include <QImage>
#include <QPainter>

#include <vector>

namespace platform::qt {

using raster::CrossSectionAt;
using raster::CrossSpan;
using raster::WideLineCaps;

namespace {

// Whether the pixel along and across a line drawn along x (or, transposed,
// along y) is set in the picture.
bool IsSet(const QImage& picture, bool alongX, int along, int across)
{
    const int x = alongX ? along : across;
    const int y = alongX ? across : along;
    return (picture.pixel(x, y) & 0xFFFFFF) == 0;
}

} // namespace

std::optional<WideLineCaps> MeasureWideLineCaps(int width)
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
    TPenData pen;
    pen.width = width;
    std::vector<WideLineCaps::Stretch> capsLower;
    std::vector<WideLineCaps::Stretch> capsUpper;
    for (const bool alongX : {true, false}) {
        QImage picture(size, size, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(LinePen(pen, qRgb(0, 0, 0)));
        painter.drawLine(alongX ? QPoint(start, centre) : QPoint(centre, start),
                         alongX ? QPoint(end, centre) : QPoint(centre, end));
        painter.end();

        std::vector<WideLineCaps::Stretch> lower;
        std::vector<WideLineCaps::Stretch> upper;
        const CrossSpan body = CrossSectionAt(centre, width);
        for (int along = 0; along < size; ++along) {
            std::optional<WideLineCaps::Stretch> stretch;
            for (int across = 0; across < size; ++across) {
                if (!IsSet(picture, alongX, along, across))
                    continue;
                if (stretch && stretch->last + centre != across - 1)
                    return std::nullopt; // not one stretch across the line
                if (!stretch)
                    stretch = WideLineCaps::Stretch{0, across - centre, across - centre};
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
            capsLower = std::move(lower);
            capsUpper = std::move(upper);
        } else if (lower != capsLower || upper != capsUpper) {
            return std::nullopt; // rows and columns differ
        }
    }
    return WideLineCaps(length, std::move(capsLower), std::move(capsUpper));
}

} // namespace platform::qt
