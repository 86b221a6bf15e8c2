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

} // namespace model
