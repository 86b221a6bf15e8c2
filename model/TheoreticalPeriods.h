#pragma once

#include "model/Measure.h"
#include "model/RunInputs.h"

namespace model {

// The periods theory gives for the run's pendulum (m = 1 kg, g = 9.81 m/s^2),
// n/a with the reason where the formula does not apply.

// 2 pi sqrt(J / (m g a)): needs J / (m g a) > 0, a body that swings about
// its lowest point.
Measure SmallAnglePeriod(const RunInputs& inputs);

// 4 sqrt(J / (m g a)) K(sin(phi0 / 2)) with the complete elliptic integral of
// the first kind K of modulus k: the period of a swing of any amplitude
// below 180 degrees. phi0 is the typed start angle reduced into (-180, 180]
// (a body started at 370 degrees swings 10 degrees about its lowest point).
// Needs J / (m g a) > 0 and a reduced angle below 180 degrees; every such
// angle has its period, to about 1e-12 relative however close to 180.
Measure ExactPeriod(const RunInputs& inputs);

} // namespace model
