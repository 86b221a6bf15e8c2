#include "model/AngleReduction.h"

#include <cmath>

namespace model {

double ReducedDegrees(double degrees)
{
    // The IEEE remainder is exact and lies in [-180, 180].
    const double reduced = std::remainder(degrees, 360.0);
    return reduced == -180.0 ? 180.0 : reduced;
}

double FullTurnsOf(double degrees)
{
    return degrees - ReducedDegrees(degrees);
}

bool LostInRounding(double distance, double position)
{
    // Units in the last place that rounding moves a value by when it is
    // worked on: a step adds one, the conversion to degrees another.
    constexpr double roundingUnits = 4.0;
    const double magnitude = std::fabs(position);
    const double unit = std::nextafter(magnitude, INFINITY) - magnitude;
    return std::fabs(distance) <= roundingUnits * unit;
}

} // namespace model
