#include "PendulumTestSupport.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

using model::chartDegrees;
using model::PendulumState;
using model_testing::defaultPendulum;
using model_testing::startedPendulum;

TEST(PendulumStep, DefaultInputsGiveTheKnownFirstAngles)
{
    PendulumState state = defaultPendulum();
    EXPECT_NEAR(chartDegrees(state.Fi), -10.0, 1e-12);

    state.AdvanceStep();
    EXPECT_NEAR(chartDegrees(state.Fi), -9.8438, 1e-4);
    state.AdvanceStep();
    EXPECT_NEAR(chartDegrees(state.Fi), -9.5339, 1e-4);
    EXPECT_GT(state.Omega, 0.0) << "the body starts left of the pivot and swings back";
}

TEST(PendulumStep, StepFollowsTheSemiImplicitOrder)
{
    PendulumState state = defaultPendulum();
    const double fiBefore = state.Fi;
    state.AdvanceStep();

    // Torque from the old angle, acceleration from the torque, velocity first,
    // then the angle advanced with the new velocity.
    const double torque = std::sin(fiBefore) * (-1.0 * 9.81 * 0.8);
    EXPECT_NEAR(state.Torque, torque, 1e-15);
    EXPECT_NEAR(state.Epsilon, torque / 0.05, 1e-13);
    EXPECT_NEAR(state.Omega, state.Epsilon * 0.01, 1e-15);
    EXPECT_NEAR(state.Fi, fiBefore + state.Omega * 0.01, 1e-16);
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

TEST(PendulumStep, ZeroInertiaWithTorqueIsADivisionByZero)
{
    PendulumState state = startedPendulum(0.8, 10.0, 0.0);
    EXPECT_THROW(state.AdvanceStep(), FloatDivisionByZero);

    // The torque was stored before the division failed; nothing after it was.
    EXPECT_NE(state.Torque, 0.0);
    EXPECT_EQ(state.Epsilon, 0.0);
    EXPECT_EQ(state.Omega, 0.0);
    EXPECT_EQ(state.Fi, state.Fi0);
}

TEST(PendulumStep, ZeroInertiaWithoutTorqueIsAnInvalidOperation)
{
    for (const auto& [length, degrees, inertia] :
         {std::tuple{0.8, 0.0, 0.0}, std::tuple{0.0, 10.0, 0.0}, std::tuple{0.8, 0.0, -0.0}}) {
        PendulumState state = startedPendulum(length, degrees, inertia);
        try {
            state.AdvanceStep();
            ADD_FAILURE() << "no fault for a = " << length << ", fi0 = " << degrees;
        } catch (const InvalidFloatOperation& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Invalid floating point operation"));
        }
    }
}

TEST(PendulumStep, FaultMessagesAreTheUserVisibleTexts)
{
    PendulumState divideByZero = startedPendulum(0.8, 10.0, 0.0);
    try {
        divideByZero.AdvanceStep();
        ADD_FAILURE() << "no fault";
    } catch (const KyvadloError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Floating point division by zero"));
    }

    PendulumState hugeArm = startedPendulum(1e308, 90.0, 0.05);
    try {
        hugeArm.AdvanceStep();
        ADD_FAILURE() << "no fault";
    } catch (const KyvadloError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Floating point overflow"));
    }
}

TEST(PendulumStep, EveryStoredValueIsCheckedForOverflow)
{
    // The torque of a huge arm, kept as it was.
    PendulumState hugeArm = startedPendulum(1e308, 90.0, 0.05);
    EXPECT_THROW(hugeArm.AdvanceStep(), FloatOverflow);
    EXPECT_EQ(hugeArm.Torque, 0.0);

    // The acceleration from a denormal inertia: the quotient fits the extended
    // type, not a double.
    PendulumState featherweight = startedPendulum(0.8, 10.0, 1e-310);
    EXPECT_THROW(featherweight.AdvanceStep(), FloatOverflow);
    EXPECT_NE(featherweight.Torque, 0.0);
    EXPECT_EQ(featherweight.Epsilon, 0.0);

    // The velocity: epsilon x dt + omega beyond the double range.
    PendulumState spinning = defaultPendulum();
    spinning.Fi = -std::asin(1.0);
    spinning.Omega = std::numeric_limits<double>::max();
    spinning.Inertia = 1e-300; // a positive acceleration of about 8e300
    EXPECT_THROW(spinning.AdvanceStep(), FloatOverflow);
    EXPECT_EQ(spinning.Omega, std::numeric_limits<double>::max());
}

TEST(PendulumStep, TinyResultsUnderflowSilently)
{
    PendulumState state = startedPendulum(1e-300, 1e-10, 1e20);
    EXPECT_NO_THROW(state.AdvanceStep());
    EXPECT_EQ(std::fpclassify(state.Torque), FP_SUBNORMAL);
    EXPECT_EQ(state.Epsilon, 0.0);
}
