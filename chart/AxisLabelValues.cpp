#include "chart/AxisLabelValues.h"

#include "platform/Extended.h"
#include "platform/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

using platform::Extended;

namespace {

// Step counts at or beyond this do not fit an integer; the step search then
// climbs without counting.
constexpr double countGuard = 2147483647.0;

// 10^k; exact for 0 <= k <= 22.
double PowerOfTen(int k)
{
    if (k < 0 || k > 22)
        return std::pow(10.0, k);
    double result = 1;
    for (int i = 0; i < k; ++i)
        result *= 10;
    return result;
}

// The rung r × 10^decade (r being 1, 2 or 5) as the double nearest to its
// decimal value, so that steps such as 0.05 and their multiples stay clean.
double Rung(int r, int decade)
{
    return decade >= 0 ? r * PowerOfTen(decade) : r / PowerOfTen(-decade);
}

// The next rung above x on the ladder 1, 2, 5, 10, 20, 50, ...; a value off
// the ladder climbs to the next rung above it (3 -> 5). The result is always
// above x, also when x is a rung that rounding put a hair off its value.
// Non-positive or non-finite values have no rung above them: infinity.
double NextNiceStep(double x)
{
    if (!(x > 0) || !std::isfinite(x))
        return std::numeric_limits<double>::infinity();
    // log10 may land one decade off near the powers of ten: start one lower.
    const int decade = static_cast<int>(std::floor(std::log10(x))) - 1;
    for (int d = decade;; ++d) {
        for (const int r : {1, 2, 5}) {
            const double rung = Rung(r, d);
            if (rung > x)
                return rung;
        }
    }
}

// How far beyond an end of the range a label value may lie and still count as
// on it: about 1e-12 of the span, and for values far from 0 a few units in the
// last place, the error that computing a value from the step can leave; but
// never more than a millionth of the step, so that the labels next to the
// ends stay outside.
double EndTolerance(double rangeMin, double rangeMax, double step)
{
    const double span = std::fabs(rangeMax - rangeMin);
    const double magnitude = std::max(std::fabs(rangeMin), std::fabs(rangeMax));
    const double tolerance = std::min(1e-12 * span + 8 * std::numeric_limits<double>::epsilon() * magnitude,
                                      1e-6 * step);
    return std::isfinite(tolerance) ? tolerance : 0;
}

} // namespace

double NiceLabelStep(const TLabelStepRequest& request)
{
    long long wanted = 1;
    if (request.labelSize > 0) {
        long long size = request.labelSize;
        if (request.separation > 0)
            size += platform::RoundHalfEven<long long>(request.separation * 0.01 * static_cast<double>(size));
        wanted = platform::RoundHalfEven<long long>(static_cast<double>(request.pixelSize) / static_cast<double>(size));
    }
    if (wanted < 1)
        return minimumLabelStep;

    double step = request.increment > 0 ? request.increment
        : std::fabs(request.span) >= 1  ? 1.0
                                        : minimumLabelStep;
    if (request.separation > 0) {
        long long count = wanted + 1;
        do {
            const double quotient = request.span / step;
            if (std::fabs(quotient) < countGuard) {
                count = platform::RoundHalfEven<long long>(quotient);
                if (count > wanted)
                    step = NextNiceStep(step);
            } else {
                step = NextNiceStep(step);
            }
        } while (count > wanted && std::isfinite(step));
    }
    if (!std::isfinite(step))
        return minimumLabelStep;
    return std::max(step, minimumLabelStep);
}

std::vector<double> LinearLabelValues(double rangeMin, double rangeMax, double step, bool roundFirstLabel)
{
    std::vector<double> values;
    if (!(rangeMax >= rangeMin) || !(step > 0))
        return values;
    if (!(std::fabs((rangeMax - rangeMin) / step) < maximumLabelCount))
        return values;

    const double tolerance = EndTolerance(rangeMin, rangeMax, step);
    const double top = rangeMax + tolerance;
    const double bottom = rangeMin - tolerance;

    // Every label is first + k * step, computed afresh in extended precision,
    // so that no error piles up from label to label.
    const Extended extendedStep = step;
    Extended first = rangeMax;
    Extended multiple = 0;
    const bool onMultiples = roundFirstLabel && rangeMin != rangeMax;
    if (onMultiples) {
        multiple = platform::Trunc(Extended(rangeMax) / extendedStep);
        // Truncation goes toward 0, and a quotient a hair off a whole number
        // may land one multiple off either way.
        for (int i = 0; i < 2 && static_cast<double>(multiple * extendedStep) > top; ++i)
            multiple -= 1;
        if (static_cast<double>((multiple + 1) * extendedStep) <= top)
            multiple += 1;
        first = 0;
    }

    double previous = std::numeric_limits<double>::infinity();
    for (long long k = 0; k <= static_cast<long long>(maximumLabelCount) + 1; ++k) {
        const double value = onMultiples ? static_cast<double>((multiple - Extended(k)) * extendedStep)
                                         : static_cast<double>(first - Extended(k) * extendedStep);
        if (!(value >= bottom))
            break;
        // A step below the resolution of the values would repeat a label.
        if (!(value < previous))
            continue;
        values.push_back(value);
        previous = value;
    }
    return values;
}

std::vector<double> LogarithmicLabelValues(double rangeMin, double rangeMax, int base)
{
    std::vector<double> values;
    if (!(rangeMin > 0) || !(rangeMax >= rangeMin) || base < 2 || !std::isfinite(rangeMax))
        return values;
    const double tolerance = EndTolerance(rangeMin, rangeMax, rangeMin * (base - 1));
    const Extended extendedBase = base;
    Extended exponent = platform::Floor(platform::Log(Extended(rangeMin)) / platform::Log(extendedBase));
    double value = static_cast<double>(platform::Pow(extendedBase, exponent));
    while (value < rangeMin - tolerance) {
        exponent += 1;
        value = static_cast<double>(platform::Pow(extendedBase, exponent));
    }
    while (value <= rangeMax + tolerance && values.size() < static_cast<std::size_t>(maximumLabelCount)) {
        values.push_back(value);
        exponent += 1;
        value = static_cast<double>(platform::Pow(extendedBase, exponent));
    }
    return values;
}
