#include "platform/RasterBitmap.h"

#include "platform/DeviceMapping.h"

#include <algorithm>

namespace platform {

RasterBitmap::RasterBitmap(int width, int height, bool monochrome, double ratio)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      image_(DeviceMapping{ratio}.Size(width_), DeviceMapping{ratio}.Size(height_), QImage::Format_RGB32)
{
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
    canvas_.SetMonochrome(monochrome);
    canvas_.BindImage(&image_);
}

} // namespace platform
