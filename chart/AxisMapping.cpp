// The range of an axis and its mapping between values and pixels.
#include "chart/Axis.h"

#include "chart/AxisPanel.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

using platform::Extended;

namespace {

// Offsets are bounded to this many pixels, so that every position fits an
// integer: a value beyond it lies far outside any picture on its own side.
constexpr double integerGuard = 2147483647.0;
// The narrowest range SetRange leaves.
constexpr double minimumSpan = 1e-10;
// 0.01 in the extended type, which turns the axis's start and end positions
// from percent into fractions of the chart's size.
constexpr Extended hundredth = platform::ExtendedFromParts(0xA3D70A3D70A3D70A, -70);

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
    const Extended length = isHorizontal_ ? owner_.ChartWidth() : owner_.ChartHeight();
    pixelStart_ = ClampToInt(static_cast<long long>(base)
                             + platform::RoundHalfEven(length * hundredth * Extended(startPosition_)));
    pixelEnd_ = ClampToInt(static_cast<long long>(base)
                           + platform::RoundHalfEven(length * hundredth * Extended(endPosition_)));
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
        const Extended logMin = platform::Log(Extended(rangeMin_));
        const Extended logSpan = platform::Log(Extended(rangeMax_)) - logMin;
        if (logSpan == 0)
            return std::nullopt;
        return value <= 0 ? 0.0
                          : static_cast<double>((platform::Log(Extended(value)) - logMin) * Extended(pixelSize_)
                                / logSpan);
    }
    if (rangeSpan_ == 0)
        return std::nullopt;
    return static_cast<double>((Extended(value) - Extended(rangeMin_)) * Extended(pixelSize_) / MappedSpan());
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
    const Extended scaled = Extended(*offset) * Extended(placement.ratio) + origin.shift;
    const auto rounded
        = platform::RoundHalfEven<long long>(std::clamp<Extended>(scaled, -integerGuard, integerGuard));
    return placement.Bound(origin.base + direction * rounded);
}

Extended TCustomChartAxis::MappedSpan() const
{
    if (std::isfinite(rangeSpan_))
        return rangeSpan_;
    return Extended(rangeMax_) - Extended(rangeMin_);
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
    const Extended offset = inverted_ ? Extended(rangeMax_) - Extended(value) : Extended(value) - Extended(rangeMin_);
    return platform::RoundHalfEven(Extended(depth) * offset / Extended(rangeSpan_));
}

double TCustomChartAxis::PixelToValue(int pixel) const
{
    if (pixelSize_ < 1)
        return 0;
    const Extended offset = inverted_ ? Extended(pixelEnd_) - Extended(pixel) : Extended(pixel) - Extended(pixelStart_);
    // A horizontal axis grows from its start, a vertical one from its end.
    const double nearEnd = isHorizontal_ ? rangeMin_ : rangeMax_;
    const double farEnd = isHorizontal_ ? rangeMax_ : rangeMin_;
    if (logarithmic_ && rangeMin_ > 0 && rangeMax_ > 0) {
        if (offset == 0)
            return nearEnd;
        if (offset == pixelSize_)
            return farEnd;
        const Extended logNear = platform::Log(Extended(nearEnd));
        const Extended logFar = platform::Log(Extended(farEnd));
        return static_cast<double>(platform::Exp(logNear + offset * (logFar - logNear) / Extended(pixelSize_)));
    }
    const Extended distance = offset * MappedSpan() / Extended(pixelSize_);
    const Extended value = isHorizontal_ ? Extended(rangeMin_) + distance : Extended(rangeMax_) - distance;
    // A pixel far beyond an axis whose ends are near the double range still
    // gives a number.
    const Extended largest = std::numeric_limits<double>::max();
    return static_cast<double>(platform::IsNaN(value) ? value : std::clamp(value, -largest, largest));
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
