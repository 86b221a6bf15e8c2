#include "embedded/PictureMapping.h"

namespace {

constexpr long long kHundredthsMmPerInch = 2540;

} // namespace

long long RoundedMulDiv(long long value, long long numerator, long long denominator)
{
    const long long product = value * numerator;
    long long quotient = product / denominator;
    long long remainder = product % denominator;
    if (remainder < 0) {
        // Floor division, so the remainder lies in [0, denominator).
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

PictureSize PictureSizeInPixels(PictureSize extent, int pixelsPerInchX, int pixelsPerInchY)
{
    return PictureSize{static_cast<int>(RoundedMulDiv(extent.width, pixelsPerInchX, kHundredthsMmPerInch)),
                       static_cast<int>(RoundedMulDiv(extent.height, pixelsPerInchY, kHundredthsMmPerInch))};
}

PictureMapping::PictureMapping(PictureSize window, const platform::PixelBox& target)
    : window_(window)
    , target_(target)
{
}

bool PictureMapping::IsValid() const
{
    return window_.width > 0 && window_.height > 0 && TargetWidth() > 0 && TargetHeight() > 0;
}

int PictureMapping::X(int logicalX) const
{
    return target_.left + static_cast<int>(RoundedMulDiv(logicalX, TargetWidth(), window_.width));
}

int PictureMapping::Y(int logicalY) const
{
    return target_.top + static_cast<int>(RoundedMulDiv(logicalY, TargetHeight(), window_.height));
}

int PictureMapping::Height(int logicalHeight) const
{
    return static_cast<int>(RoundedMulDiv(logicalHeight, TargetHeight(), window_.height));
}
