#include "model/AngleConversion.h"

#include "platform/FloatingPoint.h"

namespace model {

using platform::Extended;

double StartAngleFromDegrees(double degrees)
{
    const Extended negated = -Extended{degrees};
    return platform::StoreAsDouble((negated * extendedPi) / Extended{180});
}

double ChartDegrees(double angle)
{
    return platform::StoreAsDouble((Extended{angle} * Extended{180}) / extendedPi);
}

} // namespace model
