#include "model/TheoreticalPeriods.h"

#include "model/AngleConversion.h"
#include "model/AngleReduction.h"
#include "model/PendulumState.h"

#include <cmath>
#include <optional>

namespace model {

namespace {

using Extended = long double;

// J / (m g a) of a pendulum that swings, or the reason it does not.
struct SwingRatio {
    std::optional<Extended> ratio;
    std::string reason;
};

SwingRatio SwingRatioOf(const RunInputs& inputs)
{
    const Extended restoring = Extended{standardMass} * standardGravity * inputs.length;
    if (restoring == 0.0L)
        return {std::nullopt, "no swing: a = 0, nothing pulls the body back"};
    const Extended ratio = inputs.inertia / restoring;
    if (!(ratio > 0.0L))
        return {std::nullopt, "no swing: J/(m g a) is not above 0"};
    return {ratio, {}};
}

// 2 pi sqrt(J / (m g a)).
Extended SmallAngle(Extended ratio)
{
    return 2.0L * extendedPi * std::sqrt(ratio);
}

// The limit of a := (a + b) / 2, b := sqrt(a b) for 0 < b <= a; the two
// meet quadratically, in a handful of steps even for b near 1e-16.
Extended ArithmeticGeometricMean(Extended a, Extended b)
{
    for (int step = 0; step < 64 && a - b > a * 0x1p-63L; ++step) {
        const Extended mean = (a + b) / 2.0L;
        b = std::sqrt(a * b);
        a = mean;
    }
    return a;
}

} // namespace

Measure SmallAnglePeriod(const RunInputs& inputs)
{
    const SwingRatio swing = SwingRatioOf(inputs);
    if (!swing.ratio)
        return Measure::NotAvailable(swing.reason);
    return Measure::Of(static_cast<double>(SmallAngle(*swing.ratio)));
}

Measure ExactPeriod(const RunInputs& inputs)
{
    const SwingRatio swing = SwingRatioOf(inputs);
    if (!swing.ratio)
        return Measure::NotAvailable(swing.reason);
    const double startAngle = std::fabs(ReducedDegrees(inputs.angle));
    if (!(startAngle < 180.0))
        return Measure::NotAvailable("no swing back: the body starts upright, 180 degrees from its lowest point");
    // K(k) = pi / (2 AGM(1, k')) with the complementary modulus
    // k' = cos(phi0 / 2) = sin((180 - phi0) / 2), so that the period is the
    // small-angle one divided by AGM(1, k'). Near 180 degrees k = sin(phi0 / 2)
    // rounds to 1 and loses the digits that K depends on; k' keeps them,
    // since 180 - phi0 is exact.
    const Extended complement = std::sin((180.0L - startAngle) * extendedPi / 360.0L);
    return Measure::Of(static_cast<double>(SmallAngle(*swing.ratio) / ArithmeticGeometricMean(1.0L, complement)));
}

} // namespace model
