#include "model/PendulumState.h"

#include "model/ExtendedTrigonometry.h"
#include "platform/FloatingPoint.h"

namespace model {

void PendulumState::AdvanceStep()
{
    using platform::checkedDivide;
    using platform::storeAsDouble;
    using Extended = long double;

    const Extended sine = extendedSine(Fi);
    Torque = storeAsDouble(sine * (((-Extended{Mass}) * Gravity) * Length));
    Epsilon = storeAsDouble(checkedDivide(Torque, Inertia));
    Omega = storeAsDouble(Extended{Epsilon} * TimeStep + Omega);
    Fi = storeAsDouble(Extended{Omega} * TimeStep + Fi);
}

} // namespace model
