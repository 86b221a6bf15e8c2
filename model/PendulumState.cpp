#include "model/PendulumState.h"

#include "model/ExtendedTrigonometry.h"
#include "platform/FloatingPoint.h"

namespace model {

void PendulumState::AdvanceStep()
{
    using platform::CheckedDivide;
    using platform::StoreAsDouble;
    using platform::Extended;

    const Extended sine = ExtendedSine(Fi);
    Torque = StoreAsDouble(sine * (((-Extended{Mass}) * Gravity) * Length));
    Epsilon = StoreAsDouble(CheckedDivide(Torque, Inertia));
    Omega = StoreAsDouble(Extended{Epsilon} * TimeStep + Omega);
    Fi = StoreAsDouble(Extended{Omega} * TimeStep + Fi);
}

} // namespace model
