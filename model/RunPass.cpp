#include "model/RunPass.h"

#include "model/AngleConversion.h"
#include "platform/FloatingPoint.h"

namespace model {

void SetStartAngle(PendulumState& pendulum, double degrees)
{
    pendulum.Fi0 = StartAngleFromDegrees(degrees);
    pendulum.Time = 0.0;
    pendulum.TimeStep = standardTimeStep;
    pendulum.Mass = standardMass;
    pendulum.Gravity = standardGravity;
    pendulum.Fi = pendulum.Fi0;
}

void SetStartInertia(PendulumState& pendulum, double inertia)
{
    pendulum.Inertia = inertia;
    pendulum.Omega = 0.0;
}

PendulumState StartedPendulum(double length, double degrees, double inertia)
{
    PendulumState pendulum;
    pendulum.Length = length;
    SetStartAngle(pendulum, degrees);
    SetStartInertia(pendulum, inertia);
    return pendulum;
}

RunSample AdvancePass(PendulumState& pendulum)
{
    pendulum.AdvanceStep();
    const RunSample sample{pendulum.Time, ChartDegrees(pendulum.Fi)};
    pendulum.Time = platform::StoreAsDouble(platform::Extended{pendulum.Time} + pendulum.TimeStep);
    return sample;
}

} // namespace model
