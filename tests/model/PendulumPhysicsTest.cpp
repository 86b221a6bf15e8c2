// Checks of the integration against the physics of the pendulum rather than
// against the formulas the step is written from.
#include "PendulumTestSupport.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using model::PendulumState;
using model_testing::defaultPendulum;
using model_testing::startedPendulum;

namespace {

constexpr double pi = std::numbers::pi;

double energy(const PendulumState& state)
{
    return 0.5 * state.Inertia * state.Omega * state.Omega
        - state.Mass * state.Gravity * state.Length * std::cos(state.Fi);
}

// Times of the sign changes of the angle over the given number of steps,
// interpolated linearly between the samples.
std::vector<double> zeroCrossings(PendulumState state, int steps)
{
    std::vector<double> crossings;
    double previous = state.Fi;
    for (int step = 1; step <= steps; ++step) {
        state.AdvanceStep();
        if ((previous < 0.0) != (state.Fi < 0.0)) {
            const double fraction = previous / (previous - state.Fi);
            crossings.push_back((step - 1 + fraction) * state.TimeStep);
        }
        previous = state.Fi;
    }
    return crossings;
}

// The exact period of the frictionless pendulum at any amplitude:
// T = 4 sqrt(J / (m g a)) K(sin(fi0 / 2)).
double exactPeriod(double length, double degrees, double inertia)
{
    const double modulus = std::sin(degrees * pi / 360.0);
    return 4.0 * std::sqrt(inertia / (1.0 * 9.81 * length)) * std::comp_ellint_1(modulus);
}

} // namespace

class PendulumPeriod : public ::testing::TestWithParam<double> {};

TEST_P(PendulumPeriod, AgreesWithTheExactLargeAmplitudePeriod)
{
    const double degrees = GetParam();
    const std::vector<double> crossings = zeroCrossings(startedPendulum(0.8, degrees, 0.05), 20000);
    ASSERT_GE(crossings.size(), 100u);

    const double measured =
        2.0 * (crossings.back() - crossings.front()) / static_cast<double>(crossings.size() - 1);
    // The step's period error is about (w dt)^2 / 24 = 6.5e-4 for w^2 = m g a / J;
    // the small-angle formula would be 2.4 times off at 170 degrees.
    EXPECT_NEAR(measured / exactPeriod(0.8, degrees, 0.05), 1.0, 2e-3);
}

INSTANTIATE_TEST_SUITE_P(Amplitudes, PendulumPeriod, ::testing::Values(10.0, 90.0, 170.0));

TEST(PendulumPhysics, EnergyStaysBoundedOverALongRun)
{
    PendulumState state = defaultPendulum();
    const double startEnergy = energy(state);
    const double swingEnergy = 1.0 * 9.81 * 0.8 * (1.0 - std::cos(10.0 * pi / 180.0));
    double earlyDeviation = 0.0;
    double lateDeviation = 0.0;
    constexpr int steps = 100000; // 1000 s, about 2000 periods
    for (int step = 1; step <= steps; ++step) {
        state.AdvanceStep();
        const double deviation = std::fabs(energy(state) - startEnergy);
        if (step <= steps / 10)
            earlyDeviation = std::max(earlyDeviation, deviation);
        else if (step > steps - steps / 10)
            lateDeviation = std::max(lateDeviation, deviation);
    }
    // The semi-implicit step lets the energy oscillate by O(dt) but not drift;
    // an explicit step would let the amplitude grow from period to period.
    EXPECT_LT(earlyDeviation, 0.1 * swingEnergy);
    EXPECT_LT(lateDeviation, 1.05 * earlyDeviation);
}

TEST(PendulumPhysics, UprightStartStaysUpForAWhileThenFalls)
{
    PendulumState state = startedPendulum(0.8, 180.0, 0.05);
    ASSERT_NE(std::sin(state.Fi), 0.0) << "the double nearest to pi is not an equilibrium";

    int step = 0;
    for (; step < 100; ++step)
        state.AdvanceStep();
    EXPECT_NEAR(std::fabs(state.Fi), pi, 1e-9) << "still upright after one second";

    for (; step < 1000 && std::fabs(state.Fi) > pi / 2.0; ++step)
        state.AdvanceStep();
    EXPECT_LT(std::fabs(state.Fi), pi / 2.0) << "fallen past the horizontal within ten seconds";
}

TEST(PendulumPhysics, NegativeInertiaMakesTheBottomUnstable)
{
    // With J < 0 the acceleration pushes away from 0: the body leaves the
    // bottom and swings about the upright position instead, between the start
    // angle and its mirror image beyond the top, without any fault.
    PendulumState state = startedPendulum(0.8, 10.0, -0.05);
    double previousDistance = std::fabs(state.Fi);
    for (int step = 0; step < 40; ++step) {
        state.AdvanceStep();
        EXPECT_GT(std::fabs(state.Fi), previousDistance) << "step " << step;
        previousDistance = std::fabs(state.Fi);
    }
    EXPECT_GT(std::fabs(state.Fi), pi / 2.0);

    double lowest = 0.0;
    double highest = -2.0 * pi;
    for (int step = 0; step < 100000; ++step) {
        state.AdvanceStep();
        lowest = std::min(lowest, state.Fi);
        highest = std::max(highest, state.Fi);
    }
    EXPECT_NEAR(lowest, -2.0 * pi + 10.0 * pi / 180.0, 0.01);
    EXPECT_NEAR(highest, -10.0 * pi / 180.0, 0.01);
}

TEST(PendulumPhysics, TinyNegativeInertiaRunsAwayUntilOverflow)
{
    // The first step flings the angle beyond 2^63, where the sine counts as 0:
    // from then on the velocity stays and the angle grows by the same amount
    // each step until it no longer fits a double.
    PendulumState state = startedPendulum(0.8, 10.0, -1e-308);
    state.AdvanceStep();
    ASSERT_GT(std::fabs(state.Fi), 0x1p63);
    const double velocity = state.Omega;

    int steps = 1;
    try {
        for (; steps < 100000; ++steps) {
            const double before = state.Fi;
            state.AdvanceStep();
            ASSERT_EQ(state.Omega, velocity);
            ASSERT_LT(state.Fi, before);
        }
        FAIL() << "no overflow";
    } catch (const FloatOverflow&) {
        EXPECT_LT(state.Fi, -1e308);
        EXPECT_GT(steps, 1000);
    }
}
