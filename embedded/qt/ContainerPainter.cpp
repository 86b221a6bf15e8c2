#include "embedded/qt/ContainerPainter.h"
#include "platform/qt/QtColors.h"

#include "embedded/qt/PictureRenderer.h"
#include "platform/DrawEdge.h"
#include "platform/qt/QtPixels.h"

#include <QPainter>

QRect PaintContainer(QPainter& painter, const QRect& bounds, const ContainerLook& look)
{
    painter.fillRect(bounds, ToQColor(look.color));
    // The edge fills the interior with the face colour, so the control's own
    // colour does not show once the edge is drawn.
    const auto fill = [&painter](const platform::PixelBox& box, TColor color) {
        painter.fillRect(platform::qt::ToQRect(box), ToQColor(color));
    };
    const QRect interior =
        platform::qt::ToQRect(DrawEdge(fill, platform::qt::ToPixelBox(bounds), edgeSunken, bfRect | bfMiddle));
    if (look.picture == nullptr || interior.isEmpty())
        return interior;

    const QSize size =
        PictureSizeInPixels(look.picture->extent, look.pixelsPerInchX, look.pixelsPerInchY);
    painter.save();
    painter.setClipRect(interior, Qt::IntersectClip);
    DrawVectorPicture(painter, *look.picture, QRect(interior.topLeft(), size));
    painter.restore();
    return interior;
}
