#pragma once

#include "platform/PixelBuffer.h"

#include <QImage>
#include <QRect>

// The engine's pixel buffers and Qt's images over the same memory.
namespace platform::qt {

// A Format_RGB32 image on the buffer's pixels, with its device pixel ratio,
// without copying them: what either draws the other shows. Owned pixels
// stay alive while the image or a copy of it does; borrowed ones must
// outlive them. A copy of the image that is drawn into while shared takes
// pixels of its own, as any QImage does.
QImage WrapPixels(const PixelBuffer& buffer);

// The same for owned pixels as a read-only image: it keeps them alive, and
// writing to it (QPainter, fill, bits()) first gives it a copy of its own,
// so that the buffer never changes through it.
QImage ShareReadOnly(const PixelBuffer& buffer);

// A view of the image's pixels (the image takes pixels of its own first if
// it shares them with a copy), for the engine's raster code. The image must
// be Format_RGB32 and outlive the view.
PixelBuffer BorrowPixels(QImage& image);

// The same pixels as a Qt rectangle.
inline QRect ToQRect(const PixelBox& box)
{
    return QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
}

// A Qt rectangle's pixels as the engine's box (empty when its size is not positive).
inline PixelBox ToPixelBox(const QRect& rect)
{
    return PixelBox{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

} // namespace platform::qt
