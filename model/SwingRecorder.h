#pragma once

#include "model/Measure.h"
#include "model/ZeroCrossings.h"

#include <cstdint>

namespace model {

// The figures of a swing that its recorded points give, worked out while the
// points stream past (nothing is kept but a few running values): the
// amplitude and the period measured from the crossings of zero. The window's
// chart description and kyvadlo-run's summary both read them from here.
class SwingRecorder {
public:
    // One recorded point: time [s], angle [degrees].
    void Add(double time, double degrees);

    std::int64_t Points() const { return points_; }
    // The largest |angle| of the points [degrees]; n/a without points.
    Measure Amplitude() const;
    // The mean interval between crossings of zero in one direction [s]; n/a
    // without points or with fewer than two crossings.
    Measure Period() const;
    // The crossings counted for the period.
    std::int64_t Crossings() const { return crossings_.Count(); }

private:
    std::int64_t points_ = 0;
    double largestAngle_ = 0.0;
    ZeroCrossings crossings_;
};

} // namespace model
