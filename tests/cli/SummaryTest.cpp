// The summary's figures against hand-worked values.
#include "CliTestSupport.h"

#include "cli/RunSummary.h"
#include "cli/SummaryTable.h"
#include "cli/TheoreticalPeriods.h"
#include "cli/ZeroCrossings.h"

#include <cmath>
#include <numbers>

using cli::Measure;
using cli::RunInputs;
using cli::RunSummary;

namespace {

RunSummary Summarize(const RunInputs& inputs, std::int64_t points)
{
    cli::SummaryRecorder recorder;
    recorder.BeginRun(0, inputs);
    recorder.EndRun(cli::SimulateRun(inputs, points, recorder));
    return recorder.Runs().front();
}

constexpr RunInputs defaults{0.8, 0.05, 10.0};

} // namespace

TEST(ZeroCrossings, LinearInterpolationInTheDirectionOfTheFirstCrossing)
{
    cli::ZeroCrossings rising;
    // Rising crossings at 2/3 (from -2 to 1), at 2.5 and at 4.25; the
    // falling ones between them are not counted.
    const double samples[][2] = {{0, -2}, {1, 1}, {2, -1}, {3, 1}, {4, -3}, {5, 1}, {6, 0.5}};
    for (const auto& s : samples)
        rising.Add(s[0], s[1]);
    EXPECT_EQ(rising.Count(), 3);
    ASSERT_TRUE(rising.Period().value);
    EXPECT_DOUBLE_EQ(*rising.Period().value, (4.75 - 2.0 / 3.0) / 2.0);

    cli::ZeroCrossings falling;
    for (const auto& s : {std::pair{0.0, 1.0}, {1.0, -3.0}, {2.0, 1.0}, {3.0, 0.0}, {4.0, 2.0}})
        falling.Add(s.first, s.second);
    // 1 to -3 crosses at 0.25; 1 to 0 ends on zero at 3: that is a crossing.
    EXPECT_EQ(falling.Count(), 2);
    EXPECT_DOUBLE_EQ(*falling.Period().value, 2.75);
}

TEST(ZeroCrossings, FewerThanTwoGiveNoPeriod)
{
    cli::ZeroCrossings none;
    none.Add(0, 0);
    none.Add(1, 0);
    EXPECT_FALSE(none.Period().value);
    EXPECT_EQ(none.Period().reason, "fewer than two crossings of zero in the same direction (0 found)");

    cli::ZeroCrossings one;
    for (const auto& s : {std::pair{0.0, -1.0}, {1.0, 1.0}, {2.0, -1.0}})
        one.Add(s.first, s.second);
    EXPECT_EQ(one.Period().reason, "fewer than two crossings of zero in the same direction (1 found)");
}

TEST(TheoreticalPeriods, HandWorkedValues)
{
    // J / (m g a) = 0.05 / 7.848; 2 pi sqrt of it is 0.501517 s.
    EXPECT_NEAR(*cli::SmallAnglePeriod(defaults).value, 0.5015167, 1e-7);
    // K(sin 5 degrees) = 1.5737921 gives 0.50247 s to 5 digits.
    EXPECT_NEAR(*cli::ExactPeriod(defaults).value, 0.50247, 5e-6);
    // K(sin 45 degrees) = 1.8540747.
    EXPECT_NEAR(*cli::ExactPeriod({0.8, 0.05, 90.0}).value, 4 * std::sqrt(0.05 / 7.848) * 1.8540747, 1e-7);
    EXPECT_NEAR(*cli::ExactPeriod({0.8, 0.05, -90.0}).value, *cli::ExactPeriod({0.8, 0.05, 90.0}).value, 1e-15);
    // K(0) = pi / 2: the exact period of a swing of 0 degrees is the small-angle one.
    EXPECT_NEAR(*cli::ExactPeriod({0.8, 0.05, 0.0}).value, *cli::SmallAnglePeriod(defaults).value, 1e-15);
    // Longer with the amplitude, without bound towards 180 degrees.
    EXPECT_GT(*cli::ExactPeriod({0.8, 0.05, 179.9}).value, 4 * *cli::ExactPeriod({0.8, 0.05, 90.0}).value);
}

TEST(TheoreticalPeriods, NotAvailableWhereThePendulumDoesNotSwing)
{
    const std::string noRestoring = "no swing: a = 0, nothing pulls the body back";
    const std::string notPositive = "no swing: J/(m g a) is not above 0";
    const std::string noReturn = "no swing back: |phi0| is 180 degrees or more";
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
        {{0.8, 0.05, 180.0}, "", noReturn},
        {{0.8, 0.05, -200.0}, "", noReturn},
        {{0.8, 0.05, 179.99999999999997}, "", "phi0 lies too close to 180 degrees for the elliptic integral"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.inputs.length) + " " + std::to_string(c.inputs.inertia) + " "
                     + std::to_string(c.inputs.angle));
        const Measure small = cli::SmallAnglePeriod(c.inputs);
        const Measure exact = cli::ExactPeriod(c.inputs);
        EXPECT_EQ(small.value.has_value(), c.smallAngle.empty());
        EXPECT_EQ(small.reason, c.smallAngle);
        EXPECT_FALSE(exact.value);
        EXPECT_EQ(exact.reason, c.exact);
    }
}

TEST(RunSummary, DefaultRunOfTenSeconds)
{
    const RunSummary summary = Summarize(defaults, 1001);
    EXPECT_EQ(summary.points, 1001);
    ASSERT_TRUE(summary.measuredPeriod.value);
    ASSERT_TRUE(summary.exactPeriod.value);
    EXPECT_NEAR(*summary.measuredPeriod.value / *summary.exactPeriod.value, 1.0, 1e-3) << "within 0.1 %";
    EXPECT_EQ(summary.crossings, 20) << "a rising crossing every 0.5 s, the first after a quarter period";
    EXPECT_NEAR(*summary.periodDeviation.value,
                (*summary.measuredPeriod.value - *summary.exactPeriod.value) / *summary.exactPeriod.value, 1e-16);
    // The semi-implicit step keeps the amplitude: it neither grows nor fades.
    EXPECT_NEAR(*summary.amplitude.value, 10.0, 0.05);
    // m g a (1 - cos 10 degrees) = 7.848 * 0.0151922 = 0.119229 J.
    EXPECT_NEAR(summary.startEnergy, 0.119229, 1e-6);
    // The energy of the step's points swings by about w dt / 2 = 6 % around the start value.
    EXPECT_GT(*summary.energyDeviation.value, 0.04);
    EXPECT_LT(*summary.energyDeviation.value, 0.08);
    EXPECT_FALSE(summary.fault);
}

TEST(RunSummary, RunsWithoutAPeriodOrAnEnergyScale)
{
    const RunSummary atRest = Summarize({0.8, 0.05, 0.0}, 300);
    EXPECT_EQ(*atRest.amplitude.value, 0.0);
    EXPECT_EQ(atRest.measuredPeriod.reason, "fewer than two crossings of zero in the same direction (0 found)");
    EXPECT_EQ(atRest.periodDeviation.reason, "no measured period");
    EXPECT_EQ(atRest.energyDeviation.reason, "the start energy is 0");

    const RunSummary upright = Summarize({0.8, 0.05, 180.0}, 100);
    EXPECT_TRUE(upright.measuredPeriod.reason.starts_with("fewer than two"));
    EXPECT_EQ(upright.periodDeviation.reason, "no measured period");
    EXPECT_TRUE(upright.energyDeviation.value);

    const RunSummary faulted = Summarize({0.8, 0.0, 10.0}, 100);
    EXPECT_EQ(faulted.fault, QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(faulted.points, 0);
    for (const Measure* m : {&faulted.amplitude, &faulted.measuredPeriod, &faulted.energyDeviation})
        EXPECT_EQ(m->reason, "no points recorded");

    // 0.4 s hold one rising crossing only; the exact period is still there.
    const RunSummary shortRun = Summarize(defaults, 40);
    EXPECT_EQ(shortRun.crossings, 1);
    EXPECT_TRUE(shortRun.exactPeriod.value);
    EXPECT_EQ(shortRun.periodDeviation.reason, "no measured period");
}

TEST(SummaryTable, OneAlignedRowPerRunAndOneNotePerReason)
{
    cli::SummaryRecorder recorder;
    const RunInputs runs[] = {defaults, {0.8, 0.05, 180.0}, {0.8, 0.05, 0.0}};
    for (int i = 0; i < 3; ++i) {
        recorder.BeginRun(i, runs[i]);
        recorder.EndRun(cli::SimulateRun(runs[i], 1001, recorder));
    }
    const std::string table = cli::FormatSummaryTable(recorder.Runs());
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < table.size();) {
        const std::size_t end = table.find('\n', at);
        lines.push_back(table.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 9u) << table;
    EXPECT_TRUE(lines[0].starts_with("run  a [m]  J [kg.m2]  phi0 [deg]  points  amplitude [deg]")) << lines[0];
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(lines[row].size(), lines[0].size()) << "right-aligned columns";
    EXPECT_NE(lines[1].find("  1001  "), std::string::npos);
    EXPECT_NE(lines[1].find(" 0.502473 "), std::string::npos) << "the exact period to 6 digits";
    EXPECT_EQ(lines[1].find("n/a"), std::string::npos);
    // Upright, the body falls once through 0 in 10 s; at rest it never
    // crosses and has no energy to compare with. The same reason keeps its number.
    EXPECT_TRUE(lines[2].ends_with("n/a [1]           0.501517      n/a [2]          n/a [3]             4.88"))
        << lines[2];
    EXPECT_TRUE(lines[3].ends_with("n/a [4]           0.501517     0.501517          n/a [3]          n/a [5]"))
        << lines[3];
    EXPECT_EQ(lines[4], "[1] fewer than two crossings of zero in the same direction (1 found)");
    EXPECT_EQ(lines[5], "[2] no swing back: |phi0| is 180 degrees or more");
    EXPECT_EQ(lines[6], "[3] no measured period");
    EXPECT_EQ(lines[7], "[4] fewer than two crossings of zero in the same direction (0 found)");
    EXPECT_EQ(lines[8], "[5] the start energy is 0");
}
