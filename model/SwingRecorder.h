#pragma once

#include "model/Measure.h"
#include "model/RunInputs.h"
#include "model/ZeroCrossings.h"

#include <cstdint>

namespace model {

// The figures of a swing that its recorded points give, worked out while the
// points stream past (nothing is kept but a few running values): the
// amplitude and the period measured from the crossings of the rest position.
// The window's chart description and kyvadlo-run's summary both read them
// from here.
//
// The rest position is the lowest point the body swings about: 0 for a
// start from -180 to 180 degrees, and beyond that the multiple of 360
// degrees nearest the start (-360 for a body started at 370 degrees, whose
// chart angle starts at -370). A start exactly upright a turn or more away
// (540 degrees) has two such neighbours; the body then swings about the one
// it falls towards, which the first point that differs from the one before
// tells.
class SwingRecorder {
public:
    // For points whose start is not known: the start is taken to be the
    // first point, which lies within a step's motion of it.
    SwingRecorder() = default;
    // For the points of a run with these inputs (their angle as typed).
    explicit SwingRecorder(const RunInputs& inputs);

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
    // The rest position for a start at these chart degrees, or the upright
    // position it is still to be found from.
    void TakeStart(double degrees);
    // Takes the rest position of an upright start once the body has moved;
    // false while it has not.
    bool FindRestFromMotion(double time, double degrees);
    void AddAboutRest(double time, double degrees);

    std::int64_t points_ = 0;
    double largestAngle_ = 0.0;
    bool startTaken_ = false;
    bool restKnown_ = false;
    double rest_ = 0.0;
    double upright_ = 0.0;
    // The last point of an upright start that has not moved yet.
    bool havePoint_ = false;
    double pointTime_ = 0.0;
    double pointDegrees_ = 0.0;
    ZeroCrossings crossings_;
};

} // namespace model
