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

void RasterBitmap::DiscardSharedPixels()
{
    if (image_.isNull() || image_.isDetached())
        return;
    // The canvas keeps its pen, brush, font and clip across the rebinding.
    canvas_.Unbind();
    image_ = QImage(image_.width(), image_.height(), image_.format());
    canvas_.BindImage(&image_);
}

} // namespace platform
