// The chart's own parts: title blocks, walls and legend, their defaults and
// how their changes reach the chart.
#include "chart/ChartCanvas.h"
#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>

TEST(ChartPaintParts, AChartStartsAsTheControlIsMade)
{
    TCustomChart chart;
    EXPECT_EQ(chart.RepaintRequestCount(), 0);

    for (const TChartTitle* title : {&chart.Title(), &chart.Foot()}) {
        EXPECT_TRUE(title->Visible());
        EXPECT_TRUE(title->Text().empty());
        EXPECT_EQ(title->Alignment(), taCenter);
        EXPECT_FALSE(title->Frame().Visible());
        EXPECT_EQ(title->Font().Color(), clBlue);
    }
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
    EXPECT_EQ(&chart.Frame(), &chart.BackWall().Pen());
    EXPECT_EQ(chart.LeftWall().Color(), 0x80FFFFu);
    EXPECT_EQ(chart.BottomWall().Color(), clWhite);
    EXPECT_TRUE(chart.Legend().Visible());
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_TRUE(chart.PictureStale());
}

TEST(ChartPaintParts, EveryRealChangeOfAPartAsksForOneRepaint)
{
    TCustomChart chart;
    const RepaintCounter repaints(chart);
    // The same values again: nothing.
    chart.Title().SetText({});
    chart.Title().ClearText();
    chart.Title().SetVisible(true);
    chart.Title().SetColor(clDefault);
    chart.BackWall().SetColor(clDefault);
    chart.BackWall().SetSize(0);
    chart.Legend().SetVisible(true);
    chart.SetBevelOuter(bvRaised);
    chart.SetBorderWidth(0);
    chart.SetMonochrome(false);
    EXPECT_EQ(repaints.Count(), 0);

    chart.Title().SetText({std::string("Graf")});
    chart.Title().SetText({std::string("Graf")});
    chart.Foot().AddLine(std::string("below"));
    chart.Title().Font().SetSize(10);
    chart.Title().Frame().SetVisible(true);
    chart.Foot().Brush().SetStyle(bsCross);
    chart.Foot().SetAlignment(taLeftJustify);
    chart.BackWall().Pen().SetColor(clRed);
    chart.BottomWall().Brush().SetColor(clGreen);
    chart.LeftWall().SetDark3D(false);
    chart.Legend().SetVisible(false);
    chart.SetBevelInner(bvLowered);
    chart.SetBevelWidth(2);
    EXPECT_EQ(repaints.Count(), 12);
}

namespace {

class PrintingChart : public TCustomChart {
public:
    bool IsPrinting() const override { return true; }
};

} // namespace

TEST(ChartPaintParts, APrinterGetsStyledLinePensAsCosmeticPens)
{
    PrintingChart chart;
    auto* series = new TFastLineSeries;
    series->SetParentChart(&chart);
    series->LinePen().SetStyle(psDash);
    series->PrepareLinePen();
    EXPECT_EQ(chart.Canvas().Pen().Width(), 0);
    EXPECT_EQ(chart.Canvas().Brush().Style(), bsClear);

    series->LinePen().SetStyle(psSolid);
    series->PrepareLinePen();
    EXPECT_EQ(chart.Canvas().Pen().Width(), 1);
}
