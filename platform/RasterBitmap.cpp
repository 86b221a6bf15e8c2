#include "platform/RasterBitmap.h"

#include <algorithm>

namespace platform {

RasterBitmap::RasterBitmap(int width, int height, bool monochrome)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)
{
    image_.fill(Qt::white);
    canvas_.SetMonochrome(monochrome);
    canvas_.BindImage(&image_);
}

} // namespace platform
