#pragma once

#include "model/Measure.h"
#include "model/ZeroCrossings.h"

#include <cstdint>

namespace model {

// The figures of a swing that its recorded points give, worked out while the
// points stream past (nothing is kept but a few running values): the
// amplitude and the period measured from the crossings of the rest position.
// The window's chart description and kyvadlo-run's summary both read them
// from here.
//
// The rest position is the lowest point the body swings about: the multiple
// of 360 degrees nearest the first point (0 for a start between -180 and 180
// degrees, -360 for a body started at 370 degrees, whose chart angle starts
// at -370). A first point exactly upright, an odd multiple of 180 degrees,
// has two such neighbours; the body then swings about the one it falls
// towards, which the first point that differs tells.
class SwingRecorder {
public:
    // One recorded point: time [s], angle [degrees].
    void Add(double time, double degrees);

    std::int64_t Points() const { return points_; }
    // The largest distance of the points from the rest position [degrees];
    // n/a without points.
    Measure Amplitude() const;
    // The mean interval between crossings of the rest position in one
    // direction [s]; n/a without points, with fewer than two crossings, or
    // when the points stay within the rounding of the rest position.
    Measure Period() const;
    // The crossings counted for the period.
    std::int64_t Crossings() const { return crossings_.Count(); }

private:
    // Takes the rest position once the points tell it; false while the body
    // has not yet left an upright start.
    bool FindRest(double time, double degrees);
    void AddAboutRest(double time, double degrees);

    std::int64_t points_ = 0;
    double largestAngle_ = 0.0;
    bool restKnown_ = false;
    double rest_ = 0.0;
    // The last point of an upright start whose rest is not known yet.
    double uprightTime_ = 0.0;
    double uprightDegrees_ = 0.0;
    ZeroCrossings crossings_;
};

} // namespace model
