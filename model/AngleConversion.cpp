#include "model/AngleConversion.h"

#include "platform/FloatingPoint.h"

namespace model {

double StartAngleFromDegrees(double degrees)
{
    const long double negated = -static_cast<long double>(degrees);
    return platform::StoreAsDouble((negated * extendedPi) / 180.0L);
}

double ChartDegrees(double angle)
{
    return platform::StoreAsDouble((static_cast<long double>(angle) * 180.0L) / extendedPi);
}

} // namespace model
