#include "model/SwingRecorder.h"

#include <cmath>

namespace model {

namespace {

const char* const noPoints = "no points recorded";

} // namespace

void SwingRecorder::Add(double time, double degrees)
{
    ++points_;
    largestAngle_ = std::fmax(largestAngle_, std::fabs(degrees));
    crossings_.Add(time, degrees);
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
    return crossings_.Period();
}

} // namespace model
