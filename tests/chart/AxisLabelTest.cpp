#include "tests/chart/AxisTestRig.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

TEST(AxisLabel, ValueTextsUseTheChartsSeparatorsAndItsLabelHandler)
{
    AxisRig rig;
    TChartAxis& axis = rig.chart.LeftAxis();
    EXPECT_EQ(axis.FormatAxisValue(-1234.5), std::string("-1,234.5"));
    EXPECT_EQ(axis.FormatAxisValue(-1e-13), std::string("0"));

    {
        const RepaintCounter repaints(rig.chart);
        rig.chart.SetNumberSeparators({",", " "});
        rig.chart.SetNumberSeparators({",", " "});
        EXPECT_EQ(repaints.Count(), 1);
    }
    EXPECT_EQ(axis.FormatAxisValue(1234.5), std::string("1 234,5"));

    rig.chart.OnGetAxisLabel = [&](const TCustomChartAxis& sender, TChartSeries* series, int index, std::string& text) {
        EXPECT_EQ(&sender, &axis);
        EXPECT_EQ(series, nullptr);
        EXPECT_EQ(index, -1);
        text += std::string(" °");
    };
    EXPECT_EQ(axis.FormatAxisValue(15), std::string("15 °"));
    axis.SetLabelsMultiLine(true);
    EXPECT_EQ(axis.FormatAxisValue(1234), std::string("1\r234\r°"));
}

TEST(AxisLabel, WhatTheLabelsShowFollowsTheSeriesOnTheAxis)
{
    AxisRig rig;
    TChartAxis& bottom = rig.chart.BottomAxis();
    TChartAxis& left = rig.chart.LeftAxis();
    EXPECT_EQ(bottom.ResolveLabelStyle(), talNone);
    EXPECT_EQ(rig.chart.DepthAxis().ResolveLabelStyle(), talText);

    TChartSeries& series = rig.AddSeries();
    EXPECT_EQ(bottom.ResolveLabelStyle(), talValue);
    EXPECT_EQ(left.ResolveLabelStyle(), talValue);
    EXPECT_EQ(rig.chart.RightAxis().ResolveLabelStyle(), talNone);

    // Point labels name the X positions; the Y axis keeps its values.
    TChartSeries& named = rig.AddSeries(1, 1);
    EXPECT_EQ(bottom.ResolveLabelStyle(), talValue); // the first label is empty
    named.ClearPoints();
    named.AddPoint(1, 1, std::string("one"));
    EXPECT_EQ(bottom.ResolveLabelStyle(), talText);
    EXPECT_EQ(left.ResolveLabelStyle(), talValue);
    named.SetActive(false);
    EXPECT_EQ(bottom.ResolveLabelStyle(), talValue);
    series.SetActive(false);
    EXPECT_EQ(bottom.ResolveLabelStyle(), talNone);

    bottom.SetLabelStyle(talMark);
    EXPECT_EQ(bottom.ResolveLabelStyle(), talMark);
}

TEST(AxisLabel, StepGrowsWithTheLabelSizeAlongTheAxis)
{
    AxisRig rig;
    rig.AddSeries();
    TChartAxis& bottom = rig.chart.BottomAxis();
    AxisRig::SetManualRange(bottom, 0, 1000000);
    // Before the first paint the axis has no length: the smallest step.
    bottom.ComputeRange();
    EXPECT_EQ(bottom.ComputeLabelStep(), 1e-12);

    rig.Paint();
    rig.chart.SelectChartFont(bottom.LabelsFont());
    const double normal = bottom.ComputeLabelStep();
    // Across the axis a label takes one font height instead of the width of "1,000,000".
    bottom.SetLabelsAngle(90);
    const double upright = bottom.ComputeLabelStep();
    EXPECT_LT(upright, normal);
    bottom.SetLabelsAngle(0);
    bottom.LabelsFont().SetSize(24);
    rig.chart.SelectChartFont(bottom.LabelsFont());
    EXPECT_GT(bottom.ComputeLabelStep(), normal);
}

TEST(AxisLabel, ValueAxisClaimsTitleWidestLabelAndTicks)
{
    AxisRig rig;
    rig.AddSeries();
    TChartAxis& left = rig.chart.LeftAxis();
    AxisRig::SetManualRange(left, -15, 15);
    left.Title().SetCaption(std::string("fi [°]"));
    int handlerCalls = 0;
    rig.chart.OnGetAxisLabel = [&](const TCustomChartAxis&, TChartSeries*, int, std::string& text) {
        ++handlerCalls;
        text = std::string("a much wider label text");
    };
    left.ComputeRange();
    const TChartRect area{40, 30, 380, 280};
    TChartRect rect = area;
    left.ClaimAxisSpace(rect, true);

    // The labels are measured without the handler, which stays in place.
    EXPECT_EQ(handlerCalls, 0);
    EXPECT_TRUE(static_cast<bool>(rig.chart.OnGetAxisLabel));
    const int title = rig.FontHeight(left.Title().Font());
    const int labels = std::max(rig.TextWidth(left.LabelsFont(), std::string("15")),
                           rig.TextWidth(left.LabelsFont(), std::string("-15")))
        + rig.TextWidth(left.LabelsFont(), std::string(" "));
    EXPECT_EQ(rect, (TChartRect{40 + title + labels + 6, 30, 380, 280}));
    EXPECT_EQ(left.TitlePos(), 40 + title);
    EXPECT_EQ(left.LabelsPos(), 40 + title + labels);
}

TEST(AxisLabel, FixedSizesAndTheRoomOfTheTicks)
{
    AxisRig rig;
    TChartAxis& bottom = rig.chart.BottomAxis();
    bottom.Title().SetCaption(std::string("t [s]"));
    bottom.SetTitleSize(20);
    bottom.SetLabelsSize(15);
    const auto claim = [&] {
        TChartRect rect{0, 0, 300, 200};
        bottom.ClaimAxisSpace(rect, true);
        return 200 - rect.bottom;
    };
    EXPECT_EQ(claim(), 20 + 15 + 6);
    EXPECT_EQ(bottom.TitlePos(), 200 - 20);
    EXPECT_EQ(bottom.LabelsPos(), 200 - 35);

    bottom.Axis().SetVisible(false); // only the ticks: 4
    EXPECT_EQ(claim(), 35 + 4);
    bottom.SetMinorTickLength(9); // minor ticks longer than the ticks
    EXPECT_EQ(claim(), 35 + 9);
    bottom.MinorTicks().SetVisible(false);
    bottom.Ticks().SetVisible(false);
    bottom.SetTickInnerLength(7); // inner ticks take no room
    EXPECT_EQ(claim(), 35);
    bottom.SetLabels(false);
    bottom.Title().SetCaption(std::string());
    EXPECT_EQ(claim(), 0);
    EXPECT_EQ(bottom.LabelsPos(), 200);
    EXPECT_EQ(bottom.TitlePos(), 200);
}

TEST(AxisLabel, PlacementOutsideAGivenRectangleAndThePositionShift)
{
    AxisRig rig;
    TChartAxis& top = rig.chart.TopAxis();
    const int labels = rig.FontHeight(top.LabelsFont());
    TChartRect rect{10, 50, 310, 250};
    top.ClaimAxisSpace(rect, false);
    EXPECT_EQ(rect, (TChartRect{10, 50, 310, 250}));
    EXPECT_EQ(top.AxisLinePos(), 50);
    EXPECT_EQ(top.LabelsPos(), 50 - 6);
    EXPECT_EQ(top.TitlePos(), 50 - 6 - labels);

    // Positive percentages move an axis into the chart rectangle: the top
    // axis down, the left axis right.
    top.SetPositionPercent(25);
    top.ClaimAxisSpace(rect, false);
    EXPECT_EQ(top.AxisLinePos(), 50 + 50);
    TChartAxis& left = rig.chart.LeftAxis();
    left.SetPositionPercent(10);
    left.ClaimAxisSpace(rect, false);
    EXPECT_EQ(left.AxisLinePos(), 10 + 30);
    EXPECT_EQ(left.LabelsPos(), 10 + 30 - 6);
    // A percentage that is no number moves nothing.
    left.SetPositionPercent(std::numeric_limits<double>::quiet_NaN());
    left.ClaimAxisSpace(rect, false);
    EXPECT_EQ(left.AxisLinePos(), 10);
}
