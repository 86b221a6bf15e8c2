#pragma once

#include "chart/Axis.h"
#include "chart/DeviceLinePlacement.h"

#include <algorithm>
#include <span>
#include <vector>

// Maps many values to pixels along one axis with exactly the results of the
// axis's own ValueToPixelX (or ValueToPixelY), for the hot loop of a paint.
//
// The axis computes each offset in extended precision and rounds it to the
// nearest pixel, halves to even. For a linear axis the mapper computes the
// offset in double precision instead, which differs from the axis's by less
// than 1e-6 of a pixel for the offsets it accepts; only an offset that close
// to a half pixel could round differently, so such offsets (and huge ones,
// NaN, and every value of a logarithmic, empty or overflowing range) go to
// the axis.
//
// With a device placement other than the identity the mapper gives device
// positions instead, those of DeviceValueToPixelX (DeviceValueToPixelY) for
// that placement, the same way: base' + direction * round(offset * ratio +
// shift) in double precision, the doubtful ones from the axis.
class AxisPixelMapper {
public:
    // horizontal: map as ValueToPixelX; otherwise as ValueToPixelY. The axis
    // must keep its range and pixels while the mapper is used. MapAll works
    // on four values at a time where the processor has the wide vector
    // instructions, unless wideVectors is false (two at a time then, with
    // the same results).
    AxisPixelMapper(const TCustomChartAxis& axis, bool horizontal, bool wideVectors = true)
        : AxisPixelMapper(axis, horizontal, DeviceLinePlacement{}, wideVectors)
    {
    }
    // The same with a device placement.
    AxisPixelMapper(const TCustomChartAxis& axis, bool horizontal, const DeviceLinePlacement& placement,
                    bool wideVectors = true);

    const TCustomChartAxis& Axis() const { return axis_; }
    bool Horizontal() const { return horizontal_; }
    const DeviceLinePlacement& Placement() const { return placement_; }

    // The position of the value: the logical pixel, or with a device
    // placement the device position.
    int Map(double value) const;
    // The axis's own logical pixel of the value, whatever the placement.
    int AxisPixel(double value) const;
    // pixels[i] := Map(stored[i] * multiplier), the value a list reads.
    void MapAll(std::span<const double> stored, double multiplier, std::span<int> pixels) const;

private:
    // Offsets beyond this many pixels go to the axis.
    static constexpr double offsetLimit = 1 << 30;
    // An offset whose distance from the nearest pixel is above this may lie
    // on the other side of a half pixel in the axis's computation; the
    // ratio scales the difference between the two.
    static double SafeDistance(double ratio) { return 0.5 - 1e-5 * std::max(1.0, ratio); }

    // Offsets and pixel bases within this size keep base +- offset in an int.
    static constexpr double packedLimit = 1 << 29;

    int Exact(double value) const;
    // Map the values from index begin on in groups of four (two) with packed
    // arithmetic, as far as whole groups go; return the index after the last
    // value mapped. Values whose rounding is in doubt are noted in doubtful_
    // for the axis to map.
    std::size_t MapQuads(const double* values, double multiplier, int* out, std::size_t begin,
                         std::size_t count) const;
    std::size_t MapPairs(const double* values, double multiplier, int* out, std::size_t begin,
                         std::size_t count) const;

    const TCustomChartAxis& axis_;
    bool horizontal_;
    DeviceLinePlacement placement_;
    bool wideVectors_;
    bool linear_;
    double rangeMin_;
    // Pixels (device pixels) per value.
    double scale_;
    // position = base + direction * round(offset + shift)
    double shift_ = 0;
    double safeDistance_;
    long long base_;
    long long direction_;
    mutable std::vector<std::size_t> doubtful_;
};
