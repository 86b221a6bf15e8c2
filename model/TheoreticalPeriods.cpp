#include "model/TheoreticalPeriods.h"

#include "model/AngleConversion.h"
#include "model/AngleReduction.h"
#include "model/ExtendedTrigonometry.h"
#include "model/PendulumState.h"

#include <cmath>
#include <optional>

// In the extended type of the model, so that every processor gives the same
// periods.
namespace model {

namespace {

using platform::Extended;

// J / (m g a) of a pendulum that swings, or the reason it does not.
struct SwingRatio {
    std::optional<Extended> ratio;
    std::string reason;
};

SwingRatio SwingRatioOf(const RunInputs& inputs)
{
    const Extended restoring = Extended{standardMass} * standardGravity * inputs.length;
    if (restoring == 0)
        return {std::nullopt, "no swing: a = 0, nothing pulls the body back"};
    const Extended ratio = inputs.inertia / restoring;
    if (!(ratio > 0))
        return {std::nullopt, "no swing: J/(m g a) is not above 0"};
    return {ratio, {}};
}

// 2 pi sqrt(J / (m g a)).
Extended SmallAngle(Extended ratio)
{
    return Extended(2) * extendedPi * platform::Sqrt(ratio);
}

// The limit of a := (a + b) / 2, b := sqrt(a b) for 0 < b <= a; the two
// meet quadratically, in a handful of steps even for b near 1e-16.
Extended ArithmeticGeometricMean(Extended a, Extended b)
{
    const Extended tolerance = 0x1p-63;
    for (int step = 0; step < 64 && a - b > a * tolerance; ++step) {
        const Extended mean = (a + b) / Extended(2);
        b = platform::Sqrt(a * b);
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
    const Extended complement = ExtendedSine((Extended(180) - startAngle) * extendedPi / Extended(360));
    return Measure::Of(static_cast<double>(SmallAngle(*swing.ratio) / ArithmeticGeometricMean(1, complement)));
}

} // namespace model
