#include "chart/ValueStatistics.h"

#include "platform/DoubleBits.h"

#include "platform/RasterVectorUnit.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// The scan exactly as the rule states it, one value after the other.
ValueExtremes ScanInOrder(std::span<const double> stored, double multiplier)
{
    ValueExtremes result{stored[0] * multiplier, stored[0] * multiplier};
    for (std::size_t i = 1; i < stored.size(); ++i) {
        const double v = stored[i] * multiplier;
        if (v < result.lowest)
            result.lowest = v;
        else if (v > result.highest)
            result.highest = v;
    }
    return result;
}

// The best of the lane results by better(a, b); false when lanes hold equal
// values that differ in their bits (0 and -0), where only the order of the
// values could tell which one came first.
template <typename Better>
bool PickLane(const std::array<double, 4>& lanes, Better better, double& best)
{
    best = lanes[0];
    for (const double candidate : lanes)
        if (better(candidate, best))
            best = candidate;
    for (const double candidate : lanes)
        if (candidate == best && platform::DoubleBits(candidate) != platform::DoubleBits(best))
            return false;
    return true;
}

} // namespace

ValueExtremes ScanExtremes(std::span<const double> stored, double multiplier)
{
    if (stored.empty())
        return {};
    platform::raster::ClearUpperVectorHalves();
    const double first = stored[0] * multiplier;
    // Every comparison with a first value that is no number fails.
    if (std::isnan(first))
        return {first, first};

    // While lowest <= highest, "v < lowest" and "v > highest" exclude each
    // other, so the two can be followed apart: four lanes over interleaved
    // values, each keeping the first of its equal values. Lane 0 also takes
    // the values after the last whole group, which come after all others.
    constexpr std::size_t laneCount = 4;
    std::array<double, laneCount> lowest;
    std::array<double, laneCount> highest;
    lowest.fill(first);
    highest.fill(first);
    const double* values = stored.data();
    const std::size_t count = stored.size();
    std::size_t i = 1;
    for (; i + laneCount <= count; i += laneCount) {
        for (std::size_t lane = 0; lane < laneCount; ++lane) {
            const double v = values[i + lane] * multiplier;
            lowest[lane] = v < lowest[lane] ? v : lowest[lane];
            highest[lane] = v > highest[lane] ? v : highest[lane];
        }
    }
    for (; i < count; ++i) {
        const double v = values[i] * multiplier;
        lowest[0] = v < lowest[0] ? v : lowest[0];
        highest[0] = v > highest[0] ? v : highest[0];
    }

    ValueExtremes result;
    if (!PickLane(lowest, [](double a, double b) { return a < b; }, result.lowest)
        || !PickLane(highest, [](double a, double b) { return a > b; }, result.highest))
        return ScanInOrder(stored, multiplier);
    return result;
}

ValueSums ScanSums(std::span<const double> stored, double multiplier)
{
    ValueSums sums;
    if (stored.empty())
        return sums;
    platform::raster::ClearUpperVectorHalves();
    sums.sum = stored[0] * multiplier;
    sums.absoluteSum = std::fabs(sums.sum);
    for (std::size_t i = 1; i < stored.size(); ++i) {
        const double v = stored[i] * multiplier;
        sums.sum += v;
        sums.absoluteSum += std::fabs(v);
    }
    return sums;
}
