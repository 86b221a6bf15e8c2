#include "chart/AxisPanel.h"
#include "chart/ChartExceptions.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Runs the action, which must fail with exception E and the message, and
// checks that it requested no repaint.
template <typename E, typename Action>
void ExpectRefused(const TCustomAxisPanel& chart, const std::string& message, Action action)
{
    const RepaintCounter repaints(chart);
    try {
        action();
        ADD_FAILURE() << "accepted; expected: " << message;
    } catch (const E& error) {
        EXPECT_EQ(error.Message(), message);
    }
    EXPECT_EQ(repaints.Count(), 0);
}

} // namespace

TEST(Axis, TheChartPlacesItsFiveAxesInListOrder)
{
    const TCustomAxisPanel chart;
    const auto& axes = chart.AxisList();
    ASSERT_EQ(axes.size(), 5u);
    EXPECT_EQ(axes[0], &chart.BottomAxis());
    EXPECT_EQ(axes[1], &chart.TopAxis());
    EXPECT_EQ(axes[2], &chart.LeftAxis());
    EXPECT_EQ(axes[3], &chart.RightAxis());
    EXPECT_EQ(axes[4], &chart.DepthAxis());

    struct Placement {
        bool horizontal, farSide, depth;
        int titleAngle;
        bool visible;
    };
    const Placement expected[] = {{true, false, false, 0, true}, {true, true, false, 0, true},
        {false, false, false, 90, true}, {false, true, false, 270, true}, {false, true, true, 0, false}};
    for (std::size_t i = 0; i < axes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(axes[i]->IsHorizontal(), expected[i].horizontal);
        EXPECT_EQ(axes[i]->IsFarSide(), expected[i].farSide);
        EXPECT_EQ(axes[i]->IsDepth(), expected[i].depth);
        EXPECT_EQ(axes[i]->StandardTitleAngle(), expected[i].titleAngle);
        EXPECT_EQ(axes[i]->Title().Angle(), expected[i].titleAngle);
        EXPECT_EQ(axes[i]->Visible(), expected[i].visible);
    }
    EXPECT_EQ(chart.RepaintRequestCount(), 0);
}

TEST(Axis, DefaultsOfTheSettingsThatShapeTheAxis)
{
    const TCustomAxisPanel chart;
    const TChartAxis& axis = chart.BottomAxis();
    EXPECT_TRUE(axis.Automatic() && axis.AutomaticMaximum() && axis.AutomaticMinimum());
    EXPECT_EQ(axis.LogarithmicBase(), 10);
    EXPECT_EQ(axis.Axis().Width(), 2);
    EXPECT_EQ(axis.Grid().Color(), clGray);
    EXPECT_EQ(axis.Grid().Style(), psDot);
    EXPECT_FALSE(axis.MinorGrid().Visible());
    EXPECT_EQ(axis.Ticks().Color(), clGray);
    EXPECT_EQ(axis.LabelsFont().Name(), std::string("Arial"));
    EXPECT_EQ(axis.LabelsSeparation(), 10);
    EXPECT_EQ(axis.AxisValuesFormat(), std::string("#,##0.###"));
    EXPECT_EQ(axis.MinorTickCount(), 3);
    EXPECT_EQ(axis.MinorTickLength(), 2);
    EXPECT_EQ(axis.TickLength(), 4);
    EXPECT_TRUE(axis.TickOnLabelsOnly() && axis.LabelsOnAxis() && axis.RoundFirstLabel());
    EXPECT_EQ(axis.EndPosition(), 100);
}

TEST(Axis, MinimumAboveTheStoredMaximumIsRefusedEvenOnAnAutomaticAxis)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.BottomAxis();
    ExpectRefused<AxisException>(chart, std::string("Axis Minimum Value must be <= Maximum"),
        [&] { axis.SetMinimum(5); });
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_TRUE(axis.Automatic()); // the flags are not touched

    axis.SetMaximum(10);
    axis.SetMinimum(5);
    EXPECT_EQ(axis.Minimum(), 5);
    ExpectRefused<AxisException>(chart, std::string("Axis Maximum Value must be >= Minimum"),
        [&] { axis.SetMaximum(4); });
    EXPECT_EQ(axis.Maximum(), 10);
    ExpectRefused<AxisException>(chart, std::string("Axis Minimum Value must be <= Maximum"),
        [&] { axis.SetMinimum(std::numeric_limits<double>::quiet_NaN()); });
}

TEST(Axis, RangeChecksAreSkippedWhileLoading)
{
    TCustomAxisPanel chart;
    chart.SetLoading(true);
    chart.LeftAxis().SetMinimum(5);
    chart.LeftAxis().SetAutomatic(false);
    chart.SetLoading(false);
    EXPECT_EQ(chart.LeftAxis().Minimum(), 5);
    EXPECT_TRUE(chart.LeftAxis().AutomaticMinimum()); // loading leaves the one-sided flags alone
}

TEST(Axis, ValidatingSettersRefuseBadValues)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.LeftAxis();
    ExpectRefused<AxisException>(chart, std::string("Axis increment must be >= 0"), [&] { axis.SetIncrement(-1); });
    ExpectRefused<AxisException>(chart, std::string("Axis increment must be >= 0"),
        [&] { axis.SetIncrement(std::numeric_limits<double>::quiet_NaN()); });
    axis.SetIncrement(0.5);
    EXPECT_EQ(axis.Increment(), 0.5);

    ExpectRefused<AxisException>(chart, std::string("Labels Separation % must be greater than 0"),
        [&] { axis.SetLabelsSeparation(-1); });
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);

    ExpectRefused<AxisException>(chart, std::string("Axis Logarithmic Base should be >= 2"),
        [&] { axis.SetLogarithmicBase(1); });
    EXPECT_EQ(axis.LogarithmicBase(), 10);
}

TEST(Axis, AnglesMustLieBetween0And359)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.LeftAxis();
    ExpectRefused<ChartException>(chart, std::string("Axis Labels Angle must be between 0 and 359 degrees"),
        [&] { axis.SetLabelsAngle(360); });
    ExpectRefused<ChartException>(chart, std::string("Axis Labels Angle must be between 0 and 359 degrees"),
        [&] { axis.SetLabelsAngle(-1); });
    axis.SetLabelsAngle(359);
    EXPECT_EQ(axis.LabelsAngle(), 359);

    ExpectRefused<ChartException>(chart, std::string("Axis Title Angle must be between 0 and 359 degrees"),
        [&] { axis.Title().SetAngle(360); });
    EXPECT_EQ(axis.Title().Angle(), 90);
    axis.Title().SetAngle(0);
    EXPECT_EQ(axis.Title().Angle(), 0);
}

TEST(Axis, LogarithmicNeedsANonNegativeNumericRange)
{
    TCustomAxisPanel chart;
    platform::ComponentOwner owner;
    auto* series = new TChartSeries(&owner);
    series->SetParentChart(&chart);
    series->AddPoint(1, -3);
    series->AddPoint(2, 100);
    TChartAxis& left = chart.LeftAxis();
    ExpectRefused<AxisException>(chart, std::string("Logarithmic Axis Min and Max values should be >= 0"),
        [&] { left.SetLogarithmic(true); });
    EXPECT_FALSE(left.Logarithmic());

    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetLogarithmic(true);
    EXPECT_TRUE(bottom.Logarithmic());
    bottom.SetLogarithmic(false);

    series->XValues().SetDateTime(true);
    EXPECT_TRUE(bottom.IsDateTimeAxis());
    EXPECT_FALSE(left.IsDateTimeAxis());
    ExpectRefused<AxisException>(chart, std::string("DateTime Axis cannot be Logarithmic"),
        [&] { bottom.SetLogarithmic(true); });
    series->SetActive(false);
    EXPECT_FALSE(bottom.IsDateTimeAxis());
}

TEST(Axis, AutomaticFlagsFollowEachOther)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());

    axis.SetAutomaticMinimum(true);
    EXPECT_FALSE(axis.Automatic());
    axis.SetAutomaticMaximum(true);
    EXPECT_TRUE(axis.Automatic());

    // Clearing one end clears Automatic but keeps the other end automatic.
    axis.SetAutomaticMinimum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMaximum());
}

TEST(Axis, SettersRequestARepaintOnlyForRealChanges)
{
    TCustomAxisPanel chart;
    TChartAxis& axis = chart.LeftAxis();
    const RepaintCounter repaints(chart);
    axis.SetAutomatic(true);
    axis.SetMaximum(0);
    axis.SetMinimum(0);
    axis.SetInverted(false);
    axis.SetLabelsAngle(0);
    axis.SetLabelStyle(talAuto);
    axis.SetTickLength(4);
    axis.SetAxisValuesFormat(std::string("#,##0.###"));
    axis.Title().SetAngle(90);
    axis.Title().SetCaption(std::string());
    axis.Grid().SetColor(clGray);
    axis.LabelsFont().SetSize(8);
    EXPECT_EQ(repaints.Count(), 0);

    axis.SetMaximum(15);
    axis.Title().SetCaption(std::string("fi [°]"));
    axis.Grid().SetVisible(false);
    axis.LabelsFont().SetColor(clRed);
    axis.SetLabelStyle(talValue);
    EXPECT_EQ(repaints.Count(), 5);
}

TEST(Axis, TitleAngleAndLabelStyleRepaintAtOnce)
{
    FakeChartHost host;
    TCustomAxisPanel chart;
    chart.SetHost(&host);
    chart.BottomAxis().Title().SetAngle(45);
    chart.BottomAxis().SetLabelStyle(talNone);
    chart.BottomAxis().SetTickLength(9);
    EXPECT_EQ(host.invalidations, 3);
    EXPECT_EQ(host.immediatePaints, 2);
    chart.SetHost(nullptr);
}

TEST(Axis, AssignCopiesSettingsAndPlacement)
{
    TCustomAxisPanel chart;
    TChartAxis& source = chart.LeftAxis();
    source.SetAutomatic(false);
    source.SetMaximum(15);
    source.SetMinimum(-15);
    source.SetInverted(true);
    source.Title().SetCaption(std::string("fi"));
    source.Grid().SetColor(clRed);
    source.SetLabelsSeparation(0);
    TChartAxis& target = chart.RightAxis();
    target.Assign(source);
    EXPECT_FALSE(target.Automatic());
    EXPECT_EQ(target.Maximum(), 15);
    EXPECT_EQ(target.Minimum(), -15);
    EXPECT_TRUE(target.Inverted());
    EXPECT_EQ(target.Title().Caption(), std::string("fi"));
    EXPECT_EQ(target.Title().Angle(), 90);
    EXPECT_EQ(target.Grid().Color(), clRed);
    EXPECT_EQ(target.LabelsSeparation(), 0);
    EXPECT_FALSE(target.IsFarSide());
}
