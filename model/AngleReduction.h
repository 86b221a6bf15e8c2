#pragma once

// Angles taken a full turn at a time: a body at 370 degrees hangs and swings
// as one at 10 degrees does, about the lowest point a full turn away.
namespace model {

// The angle reduced into (-180, 180] degrees: the angle less the nearest
// multiple of 360, computed exactly; an odd multiple of 180 gives 180.
double ReducedDegrees(double degrees);

// The multiple of 360 degrees that ReducedDegrees takes off: the angle less
// its reduced angle.
double FullTurnsOf(double degrees);

} // namespace model
