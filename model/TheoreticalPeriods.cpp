#include "model/TheoreticalPeriods.h"

#include "model/AngleConversion.h"
#include "model/ExtendedTrigonometry.h"
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

} // namespace

Measure SmallAnglePeriod(const RunInputs& inputs)
{
    const SwingRatio swing = SwingRatioOf(inputs);
    if (!swing.ratio)
        return Measure::NotAvailable(swing.reason);
    return Measure::Of(static_cast<double>(2.0L * extendedPi * std::sqrt(*swing.ratio)));
}

Measure ExactPeriod(const RunInputs& inputs)
{
    const SwingRatio swing = SwingRatioOf(inputs);
    if (!swing.ratio)
        return Measure::NotAvailable(swing.reason);
    if (!(std::fabs(inputs.angle) < 180.0))
        return Measure::NotAvailable("no swing back: |phi0| is 180 degrees or more");
    const double startAngle = std::fabs(StartAngleFromDegrees(inputs.angle));
    const Extended modulus = ExtendedSine(startAngle / 2.0);
    const Extended quarter = std::comp_ellint_1(modulus);
    const Extended period = 4.0L * std::sqrt(*swing.ratio) * quarter;
    if (!std::isfinite(period))
        return Measure::NotAvailable("phi0 lies too close to 180 degrees for the elliptic integral");
    return Measure::Of(static_cast<double>(period));
}

} // namespace model
