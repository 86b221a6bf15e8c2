#include "model/SwingRecorder.h"

#include "model/AngleReduction.h"

#include <cmath>

namespace model {

namespace {

const char* const noPoints = "no points recorded";

} // namespace

SwingRecorder::SwingRecorder(const RunInputs& inputs)
{
    // The chart's angle is the typed one negated.
    TakeStart(-inputs.angle);
}

void SwingRecorder::TakeStart(double degrees)
{
    startTaken_ = true;
    if (std::fabs(degrees) <= 180.0) {
        rest_ = 0.0;
        restKnown_ = true;
    } else if (std::fabs(ReducedDegrees(degrees)) != 180.0) {
        rest_ = FullTurnsOf(degrees);
        restKnown_ = true;
    } else {
        upright_ = degrees;
    }
}

void SwingRecorder::Add(double time, double degrees)
{
    ++points_;
    if (!startTaken_)
        TakeStart(degrees);
    if (restKnown_ || FindRestFromMotion(time, degrees))
        AddAboutRest(time, degrees);
}

bool SwingRecorder::FindRestFromMotion(double time, double degrees)
{
    if (havePoint_ && degrees != pointDegrees_) {
        // The body has left the top: it swings about the lowest point on the
        // side it moves to. The points before add no crossing; the last of
        // them is what the first crossing is interpolated from.
        rest_ = upright_ + (degrees < pointDegrees_ ? -180.0 : 180.0);
        restKnown_ = true;
        AddAboutRest(pointTime_, pointDegrees_);
        return true;
    }
    havePoint_ = true;
    pointTime_ = time;
    pointDegrees_ = degrees;
    largestAngle_ = 180.0;
    return false;
}

void SwingRecorder::AddAboutRest(double time, double degrees)
{
    // Exact for a point near its rest position; a rest of 0 leaves the
    // point as it is.
    const double offset = degrees - rest_;
    largestAngle_ = std::fmax(largestAngle_, std::fabs(offset));
    crossings_.Add(time, offset);
}

Measure SwingRecorder::Amplitude() const
{
    if (points_ == 0)
        return Measure::NotAvailable(noPoints);
    return Measure::Of(largestAngle_);
}

Measure SwingRecorder::Period() const
{
    if (points_ == 0)
        return Measure::NotAvailable(noPoints);
    // About 0 the doubles resolve any swing; a full turn away they do not.
    if (restKnown_ && rest_ != 0.0 && LostInRounding(largestAngle_, rest_))
        return Measure::NotAvailable("no swing: the body rests, the points differ by rounding only");
    return crossings_.Period();
}

} // namespace model
