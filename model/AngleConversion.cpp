#include "model/AngleConversion.h"

#include "platform/FloatingPoint.h"

namespace model {

double startAngleFromDegrees(double degrees)
{
    const long double negated = -static_cast<long double>(degrees);
    return platform::storeAsDouble((negated * extendedPi) / 180.0L);
}

double chartDegrees(double angle)
{
    return platform::storeAsDouble((static_cast<long double>(angle) * 180.0L) / extendedPi);
}

} // namespace model
