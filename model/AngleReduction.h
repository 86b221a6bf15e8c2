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

// Whether a distance from a position is lost in the rounding of doubles
// there: no more than a few units in the last place of the position. A body
// that close to its lowest point rests there as far as doubles can tell;
// what it seems to do is the rounding's doing (a start at 360 degrees
// wanders a few units about -360 and seems to swing).
bool LostInRounding(double distance, double position);

} // namespace model
