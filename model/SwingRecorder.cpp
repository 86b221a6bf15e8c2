#include "model/SwingRecorder.h"

#include "model/AngleReduction.h"

#include <cmath>

namespace model {

namespace {

const char* const noPoints = "no points recorded";

} // namespace

void SwingRecorder::Add(double time, double degrees)
{
    ++points_;
    if (restKnown_ || FindRest(time, degrees))
        AddAboutRest(time, degrees);
}

bool SwingRecorder::FindRest(double time, double degrees)
{
    if (points_ == 1) {
        if (std::fabs(ReducedDegrees(degrees)) != 180.0) {
            rest_ = FullTurnsOf(degrees);
            restKnown_ = true;
            return true;
        }
    } else if (degrees != uprightDegrees_) {
        // The body has left the top: it swings about the lowest point on the
        // side it moves to. The upright points before add no crossing; the
        // last of them is what the first crossing is interpolated from.
        rest_ = uprightDegrees_ + (degrees < uprightDegrees_ ? -180.0 : 180.0);
        restKnown_ = true;
        AddAboutRest(uprightTime_, uprightDegrees_);
        return true;
    }
    uprightTime_ = time;
    uprightDegrees_ = degrees;
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
