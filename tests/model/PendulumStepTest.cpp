#include "PendulumTestSupport.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using model::ChartDegrees;
using model::PendulumState;
using model_testing::defaultPendulum;
using model_testing::startedPendulum;

namespace {

// The message of the fault one step raises, empty when it raises none.
std::string faultOfStep(PendulumState& state)
{
    try {
        state.AdvanceStep();
        return {};
    } catch (const KyvadloError& error) {
        return error.Message();
    }
}

const std::string divisionByZero = "Floating point division by zero";
const std::string invalidOperation = "Invalid floating point operation";
const std::string overflow = "Floating point overflow";

} // namespace

TEST(PendulumStep, DefaultInputsGiveTheKnownFirstAngles)
{
    PendulumState state = defaultPendulum();
    EXPECT_NEAR(ChartDegrees(state.Fi), -10.0, 1e-12);

    state.AdvanceStep();
    EXPECT_NEAR(ChartDegrees(state.Fi), -9.8438, 1e-4);
    state.AdvanceStep();
    EXPECT_NEAR(ChartDegrees(state.Fi), -9.5339, 1e-4);
    EXPECT_EQ(state.Time, 0.0) << "the step leaves the clock to the run loop";
}

TEST(PendulumStep, ZeroLengthOrZeroAngleKeepsTheBodyAtRest)
{
    PendulumState noArm = startedPendulum(0.0, 10.0, 0.05);
    PendulumState hanging = startedPendulum(0.8, 0.0, 0.05);
    const double noArmStart = noArm.Fi;
    for (int step = 0; step < 1000; ++step) {
        noArm.AdvanceStep();
        hanging.AdvanceStep();
    }
    EXPECT_EQ(noArm.Fi, noArmStart);
    EXPECT_EQ(noArm.Omega, 0.0);
    EXPECT_EQ(hanging.Fi, 0.0);
    EXPECT_EQ(hanging.Omega, 0.0);
}

TEST(PendulumStep, ZeroInertiaIsADivisionByZeroOrAnInvalidOperation)
{
    PendulumState swinging = startedPendulum(0.8, 10.0, 0.0);
    EXPECT_EQ(faultOfStep(swinging), divisionByZero);
    // The torque was stored before the division failed; nothing after it was.
    EXPECT_NE(swinging.Torque, 0.0);
    EXPECT_EQ(swinging.Epsilon, 0.0);
    EXPECT_EQ(swinging.Fi, swinging.Fi0);

    // No torque either: 0 / 0.
    PendulumState hanging = startedPendulum(0.8, 0.0, 0.0);
    PendulumState noArm = startedPendulum(0.0, 10.0, 0.0);
    PendulumState negativeZero = startedPendulum(0.8, 0.0, -0.0);
    EXPECT_EQ(faultOfStep(hanging), invalidOperation);
    EXPECT_EQ(faultOfStep(noArm), invalidOperation);
    EXPECT_EQ(faultOfStep(negativeZero), invalidOperation);
}

TEST(PendulumStep, EveryStoredValueIsCheckedForOverflow)
{
    // The torque of a huge arm; the old value stays.
    PendulumState hugeArm = startedPendulum(1e308, 90.0, 0.05);
    EXPECT_EQ(faultOfStep(hugeArm), overflow);
    EXPECT_EQ(hugeArm.Torque, 0.0);

    // The acceleration from a denormal inertia: the quotient fits the extended
    // type, not a double.
    PendulumState featherweight = startedPendulum(0.8, 10.0, 1e-310);
    EXPECT_EQ(faultOfStep(featherweight), overflow);
    EXPECT_NE(featherweight.Torque, 0.0);
    EXPECT_EQ(featherweight.Epsilon, 0.0);

    // The velocity: epsilon x dt + omega beyond the double range.
    PendulumState spinning = defaultPendulum();
    spinning.Fi = -std::asin(1.0);
    spinning.Omega = std::numeric_limits<double>::max();
    spinning.Inertia = 1e-300; // a positive acceleration of about 8e300
    EXPECT_EQ(faultOfStep(spinning), overflow);
    EXPECT_EQ(spinning.Omega, std::numeric_limits<double>::max());
}

TEST(PendulumStep, TinyResultsUnderflowSilently)
{
    PendulumState state = startedPendulum(1e-300, 1e-10, 1e20);
    EXPECT_EQ(faultOfStep(state), "");
    EXPECT_EQ(std::fpclassify(state.Torque), FP_SUBNORMAL);
    EXPECT_EQ(state.Epsilon, 0.0);
}
