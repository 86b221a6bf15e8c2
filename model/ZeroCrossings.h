#pragma once

#include "model/Measure.h"

#include <cstdint>

namespace model {

// The period measured from a run's samples: the mean interval between
// successive crossings of zero in one direction. A crossing lies between two
// successive samples where the angle goes from below 0 to 0 or above
// (rising) or from above 0 to 0 or below (falling), at the time where the
// straight line between the two samples meets 0. The direction of the first
// crossing is the one counted; the mean interval is then
// (last crossing - first crossing) / (crossings - 1).
class ZeroCrossings {
public:
    void Add(double time, double angle);

    // Crossings found in the counted direction.
    std::int64_t Count() const { return count_; }
    // n/a with the reason when fewer than two were found.
    Measure Period() const;

private:
    enum class Direction { None, Rising, Falling };

    bool havePrevious_ = false;
    double previousTime_ = 0.0;
    double previousAngle_ = 0.0;
    Direction counted_ = Direction::None;
    std::int64_t count_ = 0;
    double first_ = 0.0;
    double last_ = 0.0;
};

} // namespace model
