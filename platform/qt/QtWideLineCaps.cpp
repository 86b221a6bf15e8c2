#include "platform/qt/QtWideLineCaps.h"

#include "platform/qt/QtPixels.h"
#include "platform/qt/QtRecipes.h"

#include <QImage>
#include <QPainter>

namespace platform::qt {

std::optional<raster::WideLineCaps> MeasureWideLineCaps(int width)
{
    TPenData pen;
    pen.width = width;
    return raster::WideLineCaps::Measure(width, [&pen](PixelBuffer& picture, Point from, Point to) {
        QImage image = WrapPixels(picture);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(LinePen(pen, qRgb(0, 0, 0)));
        painter.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    });
}

} // namespace platform::qt
