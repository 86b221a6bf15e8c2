#pragma once

#include "model/AngleConversion.h"
#include "model/PendulumState.h"

namespace model_testing {

// A pendulum set up the way a run sets it up: length a in metres, start angle in
// degrees as typed, moment of inertia J.
inline model::PendulumState startedPendulum(double length, double degrees, double inertia)
{
    model::PendulumState state;
    state.Length = length;
    state.Fi0 = model::StartAngleFromDegrees(degrees);
    state.Time = 0.0;
    state.TimeStep = model::standardTimeStep;
    state.Mass = model::standardMass;
    state.Gravity = model::standardGravity;
    state.Fi = state.Fi0;
    state.Inertia = inertia;
    state.Omega = 0.0;
    return state;
}

// The run's default inputs: a = 0.8 m, 10 degrees, J = 0.05 kg m^2.
inline model::PendulumState defaultPendulum()
{
    return startedPendulum(0.8, 10.0, 0.05);
}

} // namespace model_testing
