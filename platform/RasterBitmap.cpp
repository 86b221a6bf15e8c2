#include "platform/RasterBitmap.h"

#include "platform/DeviceMapping.h"

#include <algorithm>

namespace platform {

RasterBitmap::RasterBitmap(int width, int height, bool monochrome, double ratio, const BitmapTargets* targets)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(DeviceMapping{ratio}.Size(width_), DeviceMapping{ratio}.Size(height_), ratio)
{
    canvas_.SetMonochrome(monochrome);
    if (targets != nullptr)
        canvas_.Bind(targets->On(pixels_));
}

} // namespace platform
