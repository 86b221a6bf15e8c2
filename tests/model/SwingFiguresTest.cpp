// The figures of a swing: zero crossings, amplitude and the periods theory
// gives, against hand-worked values.
#include "model/AngleReduction.h"
#include "model/SwingRecorder.h"
#include "model/TheoreticalPeriods.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

using model::Measure;
using model::RunInputs;

namespace {

constexpr RunInputs defaults{0.8, 0.05, 10.0};

} // namespace

TEST(ZeroCrossings, LinearInterpolationInTheDirectionOfTheFirstCrossing)
{
    model::ZeroCrossings rising;
    // Rising crossings at 2/3 (from -2 to 1), at 2.5 and at 4.25; the
    // falling ones between them are not counted.
    const double samples[][2] = {{0, -2}, {1, 1}, {2, -1}, {3, 1}, {4, -3}, {5, 1}, {6, 0.5}};
    for (const auto& s : samples)
        rising.Add(s[0], s[1]);
    EXPECT_EQ(rising.Count(), 3);
    ASSERT_TRUE(rising.Period().value);
    EXPECT_DOUBLE_EQ(*rising.Period().value, (4.75 - 2.0 / 3.0) / 2.0);

    model::ZeroCrossings falling;
    for (const auto& s : {std::pair{0.0, 1.0}, {1.0, -3.0}, {2.0, 1.0}, {3.0, 0.0}, {4.0, 2.0}})
        falling.Add(s.first, s.second);
    // 1 to -3 crosses at 0.25; 1 to 0 ends on zero at 3: that is a crossing.
    EXPECT_EQ(falling.Count(), 2);
    EXPECT_DOUBLE_EQ(*falling.Period().value, 2.75);
}

TEST(ZeroCrossings, FewerThanTwoGiveNoPeriod)
{
    model::ZeroCrossings none;
    none.Add(0, 0);
    none.Add(1, 0);
    EXPECT_FALSE(none.Period().value);
    EXPECT_EQ(none.Period().reason, "fewer than two crossings of zero in the same direction (0 found)");

    model::ZeroCrossings one;
    for (const auto& s : {std::pair{0.0, -1.0}, {1.0, 1.0}, {2.0, -1.0}})
        one.Add(s.first, s.second);
    EXPECT_EQ(one.Period().reason, "fewer than two crossings of zero in the same direction (1 found)");
}

TEST(TheoreticalPeriods, HandWorkedValues)
{
    // J / (m g a) = 0.05 / 7.848; 2 pi sqrt of it is 0.501517 s.
    EXPECT_NEAR(*model::SmallAnglePeriod(defaults).value, 0.5015167, 1e-7);
    // K(sin 5 degrees) = 1.5737921 gives 0.50247 s to 5 digits.
    EXPECT_NEAR(*model::ExactPeriod(defaults).value, 0.50247, 5e-6);
    // K(sin 45 degrees) = 1.8540747.
    EXPECT_NEAR(*model::ExactPeriod({0.8, 0.05, 90.0}).value, 4 * std::sqrt(0.05 / 7.848) * 1.8540747, 1e-7);
    EXPECT_NEAR(*model::ExactPeriod({0.8, 0.05, -90.0}).value, *model::ExactPeriod({0.8, 0.05, 90.0}).value, 1e-15);
    // K(0) = pi / 2: the exact period of a swing of 0 degrees is the small-angle one.
    EXPECT_NEAR(*model::ExactPeriod({0.8, 0.05, 0.0}).value, *model::SmallAnglePeriod(defaults).value, 1e-15);
    // Longer with the amplitude, without bound towards 180 degrees.
    EXPECT_GT(*model::ExactPeriod({0.8, 0.05, 179.9}).value, 4 * *model::ExactPeriod({0.8, 0.05, 90.0}).value);
}

// Periods of the default pendulum to about 1e-12 relative, up to a hair below
// 180 degrees, where k = sin(phi0 / 2) rounds to 1. The references are
// 4 sqrt(J / (m g a)) K(k) worked to 20 digits with arbitrary precision.
TEST(TheoreticalPeriods, ExactPeriodHoldsItsDigitsUpTo180Degrees)
{
    const std::pair<double, double> references[] = {
        {10.0, 0.50247315682465015799},
        {90.0, 0.59196048689405934732},
        {170.0, 1.22338106852637151},
        {179.9, 2.6915733218047251855},
        {179.99999997, 7.4869248637794094365},
        {179.99999998, 7.6163800611140380156},
        {179.99999999, 7.8376844704188185279},
        {179.9999999999999, 11.472523097583731014},
    };
    for (const auto& [angle, period] : references) {
        const Measure exact = model::ExactPeriod({0.8, 0.05, angle});
        ASSERT_TRUE(exact.value) << angle;
        EXPECT_NEAR(*exact.value / period, 1.0, 1e-12) << angle;
        EXPECT_EQ(*model::ExactPeriod({0.8, 0.05, -angle}).value, *exact.value) << "the sign does not matter";
    }
}

// A start a full turn away swings like the reduced one, about another lowest point.
TEST(TheoreticalPeriods, ExactPeriodOfTheAngleReducedToHalfATurn)
{
    EXPECT_EQ(*model::ExactPeriod({0.8, 0.05, 370.0}).value, *model::ExactPeriod(defaults).value);
    EXPECT_EQ(*model::ExactPeriod({0.8, 0.05, -190.0}).value, *model::ExactPeriod({0.8, 0.05, 170.0}).value);
    EXPECT_NEAR(*model::ExactPeriod({0.8, 0.05, 7210.0}).value, *model::ExactPeriod(defaults).value, 1e-15);
    EXPECT_EQ(model::ReducedDegrees(-180.0), 180.0);
    EXPECT_EQ(model::ReducedDegrees(-540.0), 180.0);
    EXPECT_EQ(model::FullTurnsOf(-540.0), -720.0);
    EXPECT_EQ(model::ReducedDegrees(1e300), std::remainder(1e300, 360.0)) << "exact however large";
}

TEST(TheoreticalPeriods, NotAvailableWhereThePendulumDoesNotSwing)
{
    const std::string noRestoring = "no swing: a = 0, nothing pulls the body back";
    const std::string notPositive = "no swing: J/(m g a) is not above 0";
    const std::string upright = "no swing back: the body starts upright, 180 degrees from its lowest point";
    struct Case {
        RunInputs inputs;
        std::string smallAngle; // "" when available
        std::string exact;
    };
    const Case cases[] = {
        {{0.0, 0.05, 10.0}, noRestoring, noRestoring},
        {{0.8, 0.0, 10.0}, notPositive, notPositive},
        {{0.8, -0.05, 10.0}, notPositive, notPositive},
        {{-0.8, 0.05, 10.0}, notPositive, notPositive},
        {{0.8, 0.05, 180.0}, "", upright},
        {{0.8, 0.05, -180.0}, "", upright},
        {{0.8, 0.05, 540.0}, "", upright},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.inputs.length) + " " + std::to_string(c.inputs.inertia) + " "
                     + std::to_string(c.inputs.angle));
        const Measure small = model::SmallAnglePeriod(c.inputs);
        const Measure exact = model::ExactPeriod(c.inputs);
        EXPECT_EQ(small.value.has_value(), c.smallAngle.empty());
        EXPECT_EQ(small.reason, c.smallAngle);
        EXPECT_FALSE(exact.value);
        EXPECT_EQ(exact.reason, c.exact);
    }
}

TEST(SwingRecorder, NoPointsGiveNoFigures)
{
    const model::SwingRecorder empty;
    EXPECT_EQ(empty.Amplitude().reason, "no points recorded");
    EXPECT_EQ(empty.Period().reason, "no points recorded");

    model::SwingRecorder swing;
    for (const auto& s : {std::pair{0.0, -3.0}, {1.0, 2.0}, {2.0, -1.0}, {3.0, 1.0}})
        swing.Add(s.first, s.second);
    EXPECT_EQ(swing.Points(), 4);
    EXPECT_EQ(*swing.Amplitude().value, 3.0);
    EXPECT_EQ(swing.Crossings(), 2);
    EXPECT_TRUE(swing.Period().value);
}

// A swing of 10 degrees about -360: the figures about that lowest point,
// which the start tells, or without one the first point.
TEST(SwingRecorder, MeasuresAboutTheLowestPointNearestTheStart)
{
    const std::pair<double, double> points[] = {{0.0, -370.0}, {1.0, -350.0}, {2.0, -370.0}, {3.0, -350.0},
                                                {4.0, -365.0}};
    model::SwingRecorder fromFirstPoint;
    model::SwingRecorder fromStart({0.8, 0.05, 370.0});
    model::SwingRecorder fromSmallStart({0.8, 0.05, 10.0});
    for (const auto& [time, degrees] : points) {
        fromFirstPoint.Add(time, degrees);
        fromStart.Add(time, degrees);
        fromSmallStart.Add(time, degrees);
    }
    for (const model::SwingRecorder* swing : {&fromFirstPoint, &fromStart}) {
        EXPECT_EQ(*swing->Amplitude().value, 10.0);
        EXPECT_EQ(swing->Crossings(), 2) << "rising through -360 at 0.5 and 2.5";
        EXPECT_EQ(*swing->Period().value, 2.0);
    }
    EXPECT_EQ(*fromSmallStart.Amplitude().value, 370.0) << "a start within half a turn swings about 0";
}

// Upright a turn and a half away, at -540, the body falls to one side: the
// side tells the lowest point it swings about; the upright points add no
// crossing.
TEST(SwingRecorder, AnUprightStartSwingsAboutTheSideItFallsTo)
{
    model::SwingRecorder towardsMinus360;
    for (const auto& s : {std::pair{0.0, -540.0}, {1.0, -540.0}, {2.0, -450.0}, {3.0, -270.0}, {4.0, -450.0},
                          {5.0, -270.0}})
        towardsMinus360.Add(s.first, s.second);
    EXPECT_EQ(*towardsMinus360.Amplitude().value, 180.0);
    EXPECT_EQ(towardsMinus360.Crossings(), 2);
    EXPECT_EQ(*towardsMinus360.Period().value, 2.0);

    model::SwingRecorder towardsMinus720({0.8, 0.05, 540.0});
    for (const auto& s : {std::pair{0.0, -540.0}, {1.0, -630.0}, {2.0, -810.0}, {3.0, -630.0}, {4.0, -810.0}})
        towardsMinus720.Add(s.first, s.second);
    EXPECT_EQ(*towardsMinus720.Amplitude().value, 180.0) << "-540 to -810 would be 450 about -360";
    EXPECT_EQ(towardsMinus720.Crossings(), 2);

    model::SwingRecorder stillUpright;
    stillUpright.Add(0.0, 540.0);
    stillUpright.Add(1.0, 540.0);
    EXPECT_EQ(*stillUpright.Amplitude().value, 180.0);
    EXPECT_EQ(stillUpright.Crossings(), 0);
}
