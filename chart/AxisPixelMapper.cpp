#include "chart/AxisPixelMapper.h"

#include "platform/RasterVectorUnit.h"

#if defined(__x86_64__) || defined(__SSE2__)
#define KYVADLO_VECTOR_MAPPING 1
#include <immintrin.h>
#endif

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Rounds to the nearest integer in the current rounding mode (halves to even
// by default), as std::nearbyint does, in one instruction. The value is first
// bounded to +-limit (NaN to -limit), so the result always fits.
long long RoundToNearest(double value, double limit)
{
#ifdef KYVADLO_VECTOR_MAPPING
    const __m128d bounded = _mm_min_sd(_mm_max_sd(_mm_set_sd(value), _mm_set_sd(-limit)), _mm_set_sd(limit));
    return _mm_cvtsd_si64(bounded);
#else
    // fmax gives the bound for NaN, as the instruction above does.
    return static_cast<long long>(std::nearbyint(std::fmin(std::fmax(value, -limit), limit)));
#endif
}

bool HasWideVectors()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
#else
    return false;
#endif
}

} // namespace

AxisPixelMapper::AxisPixelMapper(const TCustomChartAxis& axis, bool horizontal,
                                 const DeviceLinePlacement& placement, bool wideVectors)
    : axis_(axis)
    , horizontal_(horizontal)
    , placement_(placement)
    , wideVectors_(wideVectors && HasWideVectors())
    , linear_(!axis.Logarithmic() && axis.RangeSpan() != 0 && std::isfinite(axis.RangeSpan()))
    , rangeMin_(axis.RangeMin())
    , scale_(linear_ ? axis.PixelSize() / axis.RangeSpan() : 0)
    , safeDistance_(SafeDistance(placement.ratio))
{
    // Screen y grows downward: a normal vertical mapping counts from the end.
    const bool fromEnd = horizontal ? axis.Inverted() : !axis.Inverted();
    const int logicalBase = fromEnd ? axis.PixelEnd() : axis.PixelStart();
    direction_ = fromEnd ? -1 : 1;
    if (placement_.IsIdentity()) {
        base_ = logicalBase;
        return;
    }
    const DeviceLinePlacement::Origin origin = placement_.OriginOf(logicalBase, static_cast<int>(direction_));
    base_ = origin.base;
    shift_ = static_cast<double>(origin.shift);
    scale_ *= placement_.ratio;
}

int AxisPixelMapper::AxisPixel(double value) const
{
    return horizontal_ ? axis_.ValueToPixelX(value) : axis_.ValueToPixelY(value);
}

int AxisPixelMapper::Exact(double value) const
{
    if (placement_.IsIdentity())
        return AxisPixel(value);
    return horizontal_ ? axis_.DeviceValueToPixelX(value, placement_) : axis_.DeviceValueToPixelY(value, placement_);
}

int AxisPixelMapper::Map(double value) const
{
    if (linear_) {
        const double offset = (value - rangeMin_) * scale_ + shift_;
        const long long rounded = RoundToNearest(offset, offsetLimit);
        if (std::fabs(offset - static_cast<double>(rounded)) < safeDistance_ && std::fabs(offset) < offsetLimit)
            return placement_.Bound(base_ + direction_ * rounded);
    }
    return Exact(value);
}

void AxisPixelMapper::MapAll(std::span<const double> stored, double multiplier, std::span<int> pixels) const
{
    const std::size_t count = std::min(stored.size(), pixels.size());
    const double* values = stored.data();
    int* out = pixels.data();
    // Several values at a time while every sum base +- offset fits an int.
    std::size_t i = 0;
    if (linear_ && base_ >= -packedLimit && base_ <= packedLimit) {
        platform::raster::ClearUpperVectorHalves();
        doubtful_.clear();
        if (wideVectors_)
            i = MapQuads(values, multiplier, out, i, count);
        i = MapPairs(values, multiplier, out, i, count);
        for (const std::size_t d : doubtful_)
            out[d] = Exact(values[d] * multiplier);
    }
    for (; i < count; ++i)
        out[i] = Map(values[i] * multiplier);
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// The same arithmetic as MapPairs, four values wide: the same products,
// differences and roundings, so the same pixels and the same doubts.
__attribute__((target("avx2"))) std::size_t AxisPixelMapper::MapQuads(const double* values, double multiplier,
                                                                      int* out, std::size_t begin,
                                                                      std::size_t count) const
{
    const __m256d factor = _mm256_set1_pd(multiplier);
    const __m256d rangeMin = _mm256_set1_pd(rangeMin_);
    const __m256d scale = _mm256_set1_pd(scale_);
    const __m256d shift = _mm256_set1_pd(shift_);
    const __m256d high = _mm256_set1_pd(packedLimit);
    const __m256d low = _mm256_set1_pd(-packedLimit);
    const __m256d safe = _mm256_set1_pd(safeDistance_);
    const __m256d magnitude = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFF));
    const __m128i base = _mm_set1_epi32(static_cast<int>(base_));
    const __m128i sign = _mm_set1_epi32(direction_ < 0 ? -1 : 0);

    std::size_t i = begin;
    for (; i + 4 <= count; i += 4) {
        const __m256d offset = _mm256_add_pd(
            _mm256_mul_pd(_mm256_sub_pd(_mm256_mul_pd(_mm256_loadu_pd(values + i), factor), rangeMin), scale), shift);
        const __m256d bounded = _mm256_min_pd(_mm256_max_pd(offset, low), high);
        const __m128i rounded = _mm256_cvtpd_epi32(bounded);
        const __m256d distance = _mm256_and_pd(_mm256_sub_pd(offset, _mm256_cvtepi32_pd(rounded)), magnitude);
        const __m256d sure = _mm256_and_pd(_mm256_cmp_pd(distance, safe, _CMP_LT_OQ),
                                           _mm256_cmp_pd(_mm256_and_pd(offset, magnitude), high, _CMP_LT_OQ));
        const __m128i pixel = _mm_add_epi32(base, _mm_sub_epi32(_mm_xor_si128(rounded, sign), sign));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), pixel);
        const int sureMask = _mm256_movemask_pd(sure);
        if (sureMask != 15) [[unlikely]] {
            for (std::size_t lane = 0; lane < 4; ++lane)
                if (!(sureMask & (1 << lane)))
                    doubtful_.push_back(i + lane);
        }
    }
    return i;
}
#else
std::size_t AxisPixelMapper::MapQuads(const double*, double, int*, std::size_t begin, std::size_t) const
{
    return begin;
}
#endif

#ifdef KYVADLO_VECTOR_MAPPING
std::size_t AxisPixelMapper::MapPairs(const double* values, double multiplier, int* out, std::size_t begin,
                                      std::size_t count) const
{
    const __m128d factor = _mm_set1_pd(multiplier);
    const __m128d rangeMin = _mm_set1_pd(rangeMin_);
    const __m128d scale = _mm_set1_pd(scale_);
    const __m128d shift = _mm_set1_pd(shift_);
    const __m128d high = _mm_set1_pd(packedLimit);
    const __m128d low = _mm_set1_pd(-packedLimit);
    const __m128d safe = _mm_set1_pd(safeDistance_);
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF));
    const __m128i base = _mm_set1_epi32(static_cast<int>(base_));
    // (r ^ sign) - sign is r, or -r when sign is all ones.
    const __m128i sign = _mm_set1_epi32(direction_ < 0 ? -1 : 0);

    std::size_t i = begin;
    for (; i + 2 <= count; i += 2) {
        const __m128d offset = _mm_add_pd(
            _mm_mul_pd(_mm_sub_pd(_mm_mul_pd(_mm_loadu_pd(values + i), factor), rangeMin), scale), shift);
        // Bounded first (NaN becomes the lower bound), so the conversion fits.
        const __m128d bounded = _mm_min_pd(_mm_max_pd(offset, low), high);
        const __m128i rounded = _mm_cvtpd_epi32(bounded);
        const __m128d distance = _mm_and_pd(_mm_sub_pd(offset, _mm_cvtepi32_pd(rounded)), magnitude);
        const __m128d sure = _mm_and_pd(_mm_cmplt_pd(distance, safe), _mm_cmplt_pd(_mm_and_pd(offset, magnitude), high));
        const __m128i pixel = _mm_add_epi32(base, _mm_sub_epi32(_mm_xor_si128(rounded, sign), sign));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), pixel);
        const int sureMask = _mm_movemask_pd(sure);
        if (sureMask != 3) [[unlikely]] {
            if (!(sureMask & 1))
                doubtful_.push_back(i);
            if (!(sureMask & 2))
                doubtful_.push_back(i + 1);
        }
    }
    return i;
}
#else
// Without the processor's vectors every value takes Map's way, which has
// the same arithmetic.
std::size_t AxisPixelMapper::MapPairs(const double*, double, int*, std::size_t begin, std::size_t) const
{
    return begin;
}
#endif
