#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"
#include "runchart/RunChartDescription.h"

#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A run's series on the chart in its slot, swinging from -10 degrees with a
// period of 0.5 s for the given time.
TFastLineSeries& AddSwing(TCustomChart& chart, int slot, double seconds)
{
    auto* series = new TFastLineSeries;
    runchart::AttachRunSeries(*series, slot, chart);
    for (int i = 0; i * 0.01 <= seconds; ++i) {
        const double time = i * 0.01;
        series->AddPoint(time, -10.0 * std::cos(2.0 * std::numbers::pi * time / 0.5));
    }
    return *series;
}

} // namespace

TEST(RunChartView, TellsTheShownRangesAndEveryRunWithItsInputsAndSwingFigures)
{
    TCustomChart chart;
    runchart::ConfigureRunChart(chart);
    runchart::SetStartRanges(chart);
    AddSwing(chart, 0, 2.0);
    AddSwing(chart, 1, 0.2);
    AddSwing(chart, 2, -1.0);

    // The third run is going on; the second's start did not read its fields.
    const runchart::RunInputsList inputs{model::RunInputs{0.8, 0.05, 10.0}, std::nullopt};
    description::ChartView view = runchart::ViewOfRunChart(chart, inputs, 2);
    EXPECT_EQ(view.horizontal.title, "t [s]");
    EXPECT_EQ(view.horizontal.minimum, 0.0);
    EXPECT_EQ(view.horizontal.maximum, 3.0);
    EXPECT_EQ(view.vertical.title, "fi [°]");
    EXPECT_EQ(view.vertical.minimum, -15.0);
    EXPECT_EQ(view.vertical.maximum, 15.0);
    ASSERT_EQ(view.runs.size(), 3u);

    const description::RunView& swung = view.runs[0];
    EXPECT_EQ(swung.colour, clRed);
    ASSERT_TRUE(swung.inputs);
    EXPECT_EQ(swung.inputs->length, 0.8);
    EXPECT_EQ(swung.points, 201);
    EXPECT_EQ(swung.amplitude.value, 10.0);
    ASSERT_TRUE(swung.period.value);
    EXPECT_NEAR(*swung.period.value, 0.5, 1e-9);
    EXPECT_FALSE(swung.running);

    EXPECT_EQ(view.runs[1].colour, clGreen);
    EXPECT_FALSE(view.runs[1].inputs);
    EXPECT_EQ(view.runs[1].points, 21);
    EXPECT_FALSE(view.runs[1].period.value) << "no crossing of zero yet";
    EXPECT_EQ(view.runs[2].points, 0);
    EXPECT_TRUE(view.runs[2].running);

    // Once the time axis follows the data, it shows the data's range, also
    // before the next paint has taken it.
    runchart::FollowDataPastStartRange(chart, 3.01);
    view = runchart::ViewOfRunChart(chart, inputs, -1);
    EXPECT_EQ(view.horizontal.minimum, 0.0);
    EXPECT_DOUBLE_EQ(view.horizontal.maximum, 2.0);
    EXPECT_EQ(view.vertical.maximum, 15.0);
    EXPECT_FALSE(view.runs[2].running);
}
