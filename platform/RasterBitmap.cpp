#include "platform/RasterBitmap.h"

#include "platform/DeviceMapping.h"
#include "platform/qt/QtPixels.h"

#include <algorithm>

namespace platform {

RasterBitmap::RasterBitmap(int width, int height, bool monochrome, double ratio)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      image_(qt::WrapPixels(PixelBuffer(DeviceMapping{ratio}.Size(width_), DeviceMapping{ratio}.Size(height_), ratio)))
{
    canvas_.SetMonochrome(monochrome);
    canvas_.BindImage(&image_);
}

} // namespace platform
