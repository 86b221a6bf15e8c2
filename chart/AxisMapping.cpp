// The range of an axis and its mapping between values and pixels.
#include "chart/Axis.h"

#include "chart/AxisPanel.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace {

// Offsets are bounded to this many pixels, so that every position fits an
// integer: a value beyond it lies far outside any picture on its own side.
constexpr double integerGuard = 2147483647.0;
// The narrowest range SetRange leaves.
constexpr double minimumSpan = 1e-10;

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

double TCustomChartAxis::SeriesMinimum() const
{
    return isHorizontal_ ? owner_.ChartMinX(*this) : owner_.ChartMinY(*this);
}

double TCustomChartAxis::SeriesMaximum() const
{
    return isHorizontal_ ? owner_.ChartMaxX(*this) : owner_.ChartMaxY(*this);
}

void TCustomChartAxis::ComputeRange()
{
    // Automatic ends are written straight into the range, without checks or
    // repaint requests: after a paint Minimum and Maximum show the range used.
    maximum_ = NextRangeMax();
    minimum_ = NextRangeMin();
    rangeMax_ = maximum_;
    rangeMin_ = minimum_;
    rangeSpan_ = rangeMax_ - rangeMin_;
}

double TCustomChartAxis::NextRangeMin() const
{
    return automatic_ || automaticMinimum_ ? SeriesMinimum() : minimum_;
}

double TCustomChartAxis::NextRangeMax() const
{
    return automatic_ || automaticMaximum_ ? SeriesMaximum() : maximum_;
}

void TCustomChartAxis::ComputePixelPositions()
{
    const TChartRect& area = owner_.ChartArea();
    const int base = isHorizontal_ ? area.left : area.top;
    const long double length = isHorizontal_ ? owner_.ChartWidth() : owner_.ChartHeight();
    pixelStart_ = ClampToInt(static_cast<long long>(base) + platform::RoundHalfEven(length * 0.01L * startPosition_));
    pixelEnd_ = ClampToInt(static_cast<long long>(base) + platform::RoundHalfEven(length * 0.01L * endPosition_));
    pixelSize_ = ClampToInt(static_cast<long long>(pixelEnd_) - pixelStart_);
    pixelCenter_ = static_cast<int>((static_cast<long long>(pixelStart_) + pixelEnd_) / 2);
}

void TCustomChartAxis::RefitRangeToInset(const TChartRect& insets)
{
    const int oldStart = pixelStart_;
    const int oldEnd = pixelEnd_;
    pixelStart_ = ClampToInt(static_cast<long long>(pixelStart_) + (isHorizontal_ ? insets.left : insets.top));
    pixelEnd_ = ClampToInt(static_cast<long long>(pixelEnd_) - (isHorizontal_ ? insets.right : insets.bottom));
    pixelSize_ = ClampToInt(static_cast<long long>(pixelEnd_) - pixelStart_);

    // Without insets the range stays exactly as it is; with insets that leave
    // no pixels it stays too, rather than collapsing to 0 .. 0.
    const bool refit = (pixelStart_ != oldStart || pixelEnd_ != oldEnd) && pixelSize_ >= 1;
    const double a = refit ? PixelToValue(oldStart) : 0;
    const double b = refit ? PixelToValue(oldEnd) : 0;
    ComputePixelPositions();
    if (refit) {
        rangeMin_ = std::min(a, b);
        rangeMax_ = std::max(a, b);
        rangeSpan_ = rangeMax_ - rangeMin_;
    }
}

int TCustomChartAxis::ValueToPixel(double value) const
{
    if (isDepth_)
        return DepthValueToPixel(value);
    return isHorizontal_ ? ValueToPixelX(value) : ValueToPixelY(value);
}

int TCustomChartAxis::ValueToPixelX(double value) const
{
    return MapValue(value, inverted_);
}

// Screen y grows downward, so a normal vertical axis counts from its end.
int TCustomChartAxis::ValueToPixelY(double value) const
{
    return MapValue(value, !inverted_);
}

int TCustomChartAxis::DeviceValueToPixelX(double value, const DeviceLinePlacement& placement) const
{
    return DeviceMapValue(value, inverted_, placement);
}

int TCustomChartAxis::DeviceValueToPixelY(double value, const DeviceLinePlacement& placement) const
{
    return DeviceMapValue(value, !inverted_, placement);
}

std::optional<double> TCustomChartAxis::ValueOffset(double value) const
{
    if (logarithmic_) {
        // Logarithms of a range that reaches 0 or below do not exist; such a
        // range maps like a zero span.
        if (!(rangeMin_ > 0 && rangeMax_ > 0))
            return std::nullopt;
        const long double logMin = std::log(static_cast<long double>(rangeMin_));
        const long double logSpan = std::log(static_cast<long double>(rangeMax_)) - logMin;
        if (logSpan == 0)
            return std::nullopt;
        return value <= 0 ? 0.0
                          : static_cast<double>((std::log(static_cast<long double>(value)) - logMin) * pixelSize_
                                / logSpan);
    }
    if (rangeSpan_ == 0)
        return std::nullopt;
    return static_cast<double>((static_cast<long double>(value) - rangeMin_) * pixelSize_ / MappedSpan());
}

int TCustomChartAxis::MapValue(double value, bool fromEnd) const
{
    const std::optional<double> offset = ValueOffset(value);
    return offset ? MapOffset(*offset, fromEnd) : pixelCenter_;
}

int TCustomChartAxis::DeviceMapValue(double value, bool fromEnd, const DeviceLinePlacement& placement) const
{
    const std::optional<double> offset = ValueOffset(value);
    // As MapOffset: a value that cannot be placed goes to the centre, one
    // beyond the integer range to a far position on its own side.
    if (!offset || std::isnan(*offset))
        return placement.PixelPosition(pixelCenter_);
    const int direction = fromEnd ? -1 : 1;
    const DeviceLinePlacement::Origin origin = placement.OriginOf(fromEnd ? pixelEnd_ : pixelStart_, direction);
    const long double scaled = static_cast<long double>(*offset) * placement.ratio + origin.shift;
    const auto rounded = platform::RoundHalfEven<long long>(std::clamp<long double>(scaled, -integerGuard, integerGuard));
    return placement.Bound(origin.base + direction * rounded);
}

long double TCustomChartAxis::MappedSpan() const
{
    if (std::isfinite(rangeSpan_))
        return rangeSpan_;
    return static_cast<long double>(rangeMax_) - rangeMin_;
}

int TCustomChartAxis::MapOffset(double offset, bool fromEnd) const
{
    // A value that cannot be placed (NaN) goes to the centre; one beyond the
    // integer range to a far pixel on its own side, so that a line to it
    // leaves the picture where it crosses the edge.
    if (std::isnan(offset))
        return pixelCenter_;
    const auto rounded = platform::RoundHalfEven<long long>(std::clamp(offset, -integerGuard, integerGuard));
    return ClampToInt(fromEnd ? pixelEnd_ - rounded : pixelStart_ + rounded);
}

int TCustomChartAxis::DepthValueToPixel(double value) const
{
    const int depth = owner_.ChartDepth();
    if (rangeSpan_ == 0)
        return depth / 2;
    const long double offset = inverted_ ? static_cast<long double>(rangeMax_) - value
                                         : static_cast<long double>(value) - rangeMin_;
    return platform::RoundHalfEven(depth * offset / rangeSpan_);
}

double TCustomChartAxis::PixelToValue(int pixel) const
{
    if (pixelSize_ < 1)
        return 0;
    const long double offset = inverted_ ? static_cast<long double>(pixelEnd_) - pixel
                                         : static_cast<long double>(pixel) - pixelStart_;
    // A horizontal axis grows from its start, a vertical one from its end.
    const double nearEnd = isHorizontal_ ? rangeMin_ : rangeMax_;
    const double farEnd = isHorizontal_ ? rangeMax_ : rangeMin_;
    if (logarithmic_ && rangeMin_ > 0 && rangeMax_ > 0) {
        if (offset == 0)
            return nearEnd;
        if (offset == pixelSize_)
            return farEnd;
        const long double logNear = std::log(static_cast<long double>(nearEnd));
        const long double logFar = std::log(static_cast<long double>(farEnd));
        return static_cast<double>(std::exp(logNear + offset * (logFar - logNear) / pixelSize_));
    }
    const long double distance = offset * MappedSpan() / pixelSize_;
    const long double value = isHorizontal_ ? rangeMin_ + distance : rangeMax_ - distance;
    // A pixel far beyond an axis whose ends are near the double range still
    // gives a number.
    constexpr long double largest = std::numeric_limits<double>::max();
    return static_cast<double>(std::isnan(value) ? value : std::clamp(value, -largest, largest));
}

void TCustomChartAxis::SetRange(double a, double b)
{
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    owner_.StoreSetting(minimum_, std::min(a, b));
    owner_.StoreSetting(maximum_, std::max(a, b));
    if (maximum_ - minimum_ < minimumSpan)
        owner_.StoreSetting(maximum_, minimum_ + minimumSpan);
}

void TCustomChartAxis::ScrollRange(double offset, bool checkLimits)
{
    if (checkLimits) {
        // Scroll only towards data that lies beyond the range.
        const bool towardsData = offset > 0 ? SeriesMaximum() > maximum_
                                            : offset < 0 && SeriesMinimum() < minimum_;
        if (!towardsData)
            return;
    }
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    maximum_ += offset;
    minimum_ += offset;
    owner_.Repaint();
}
