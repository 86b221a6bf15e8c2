// The summary's figures against hand-worked values.
#include "CliTestSupport.h"

#include "cli/RunSummary.h"
#include "cli/SummaryTable.h"

using model::Measure;
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
    EXPECT_EQ(faulted.fault, std::string("Floating point division by zero"));
    EXPECT_EQ(faulted.points, 0);
    for (const Measure* m : {&faulted.amplitude, &faulted.measuredPeriod, &faulted.energyDeviation})
        EXPECT_EQ(m->reason, "no points recorded");

    // 0.4 s hold one rising crossing only; the exact period is still there.
    const RunSummary shortRun = Summarize(defaults, 40);
    EXPECT_EQ(shortRun.crossings, 1);
    EXPECT_TRUE(shortRun.exactPeriod.value);
    EXPECT_EQ(shortRun.periodDeviation.reason, "no measured period");
}

// 370 degrees is a swing of 10 about -360; 360 is a body at rest, which
// wanders a few units in the last place about -360.
TEST(RunSummary, StartsBeyondHalfATurnSwingAboutTheirLowestPoint)
{
    const RunSummary tenDegrees = Summarize(defaults, 1001);
    const RunSummary fullTurnMore = Summarize({0.8, 0.05, 370.0}, 1001);
    EXPECT_NEAR(*fullTurnMore.amplitude.value, 10.0, 0.05);
    EXPECT_NEAR(*fullTurnMore.exactPeriod.value, 0.502473, 5e-7);
    EXPECT_NEAR(*fullTurnMore.measuredPeriod.value, *tenDegrees.measuredPeriod.value, 1e-9);
    EXPECT_EQ(fullTurnMore.crossings, tenDegrees.crossings);
    EXPECT_NEAR(*fullTurnMore.energyDeviation.value, *tenDegrees.energyDeviation.value, 1e-9);

    const RunSummary atRest = Summarize({0.8, 0.05, 360.0}, 1001);
    EXPECT_LT(*atRest.amplitude.value, 1e-12);
    EXPECT_EQ(atRest.measuredPeriod.reason, "no swing: the body rests, the points differ by rounding only");
    EXPECT_EQ(atRest.energyDeviation.reason, "the start energy is 0 to rounding: the body starts at rest");
    EXPECT_EQ(*atRest.exactPeriod.value, *atRest.smallAnglePeriod.value);

    const RunSummary nearlyAtRest = Summarize({0.8, 0.05, 360.000001}, 1001);
    EXPECT_TRUE(nearlyAtRest.measuredPeriod.value) << "a millionth of a degree is a swing";
    EXPECT_TRUE(nearlyAtRest.energyDeviation.value);
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
    EXPECT_NE(lines[3].find(" 0.00000 "), std::string::npos) << "an amplitude of 0 to 6 digits too";
    EXPECT_EQ(lines[1].find("n/a"), std::string::npos);
    // Upright, the body falls once through 0 in 10 s; at rest it never
    // crosses and has no energy to compare with. The same reason keeps its number.
    EXPECT_TRUE(lines[2].ends_with("n/a [1]           0.501517      n/a [2]          n/a [3]             4.88"))
        << lines[2];
    EXPECT_TRUE(lines[3].ends_with("n/a [4]           0.501517     0.501517          n/a [3]          n/a [5]"))
        << lines[3];
    EXPECT_EQ(lines[4], "[1] fewer than two crossings of zero in the same direction (1 found)");
    EXPECT_EQ(lines[5], "[2] no swing back: the body starts upright, 180 degrees from its lowest point");
    EXPECT_EQ(lines[6], "[3] no measured period");
    EXPECT_EQ(lines[7], "[4] fewer than two crossings of zero in the same direction (0 found)");
    EXPECT_EQ(lines[8], "[5] the start energy is 0");
}
