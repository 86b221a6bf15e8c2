#pragma once

#include "model/PendulumState.h"

// How a run drives the model: the start values it sets, and what one pass of
// its loop does to the model and records. The window's run loop and the
// command-line program both run the model through these, so their numbers
// are the same bit for bit.
namespace model {

// What a pass records: the run's time before the pass advanced it [s], and
// the angle after the pass's step in degrees, as the chart shows it.
struct RunSample {
    double Time = 0.0;
    double Degrees = 0.0;
};

// The start angle and the fixed values of a run: Fi0 from the degrees as
// typed (negated, in radians), Time 0, the standard time step, mass and
// gravity, Fi = Fi0. Length must already be set.
void SetStartAngle(PendulumState& pendulum, double degrees);
// The last start values: the moment of inertia, and the body at rest.
void SetStartInertia(PendulumState& pendulum, double inertia);
// A pendulum with all start values of a run: SetStartAngle and
// SetStartInertia after the length.
PendulumState StartedPendulum(double length, double degrees, double inertia);

// One pass: the step, the sample, then Time := Time + TimeStep, an addition
// in extended precision stored as a double, so the time carries the rounding
// of every step before it (300 additions of 0.01 stay just below 3).
// The step's faults, and FloatOverflow for an angle whose degrees do not fit
// a double, leave Time as it was and record nothing.
RunSample AdvancePass(PendulumState& pendulum);

} // namespace model
