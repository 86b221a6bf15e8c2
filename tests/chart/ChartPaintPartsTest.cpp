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
        EXPECT_TRUE(title->Text().isEmpty());
        EXPECT_EQ(title->Alignment(), taCenter);
        EXPECT_TRUE(title->AdjustFrame());
        EXPECT_EQ(title->Color(), clDefault);
        EXPECT_EQ(title->Brush().Color(), clDefault);
        EXPECT_EQ(title->Brush().Style(), bsSolid);
        EXPECT_FALSE(title->Frame().Visible());
        EXPECT_EQ(title->Font().Color(), clBlue);
        EXPECT_EQ(title->Font().Name(), QStringLiteral("Arial"));
        EXPECT_EQ(title->Font().Size(), 8);
    }
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
    EXPECT_EQ(chart.BackWall().Color(), clDefault);
    EXPECT_EQ(&chart.Frame(), &chart.BackWall().Pen());
    EXPECT_TRUE(chart.Frame().Visible());
    EXPECT_EQ(chart.Frame().Color(), clBlack);
    EXPECT_EQ(chart.Frame().Width(), 1);
    EXPECT_EQ(chart.LeftWall().Color(), 0x80FFFFu);
    EXPECT_EQ(chart.BottomWall().Color(), clWhite);
    EXPECT_EQ(chart.BackWall().Size(), 0);
    EXPECT_TRUE(chart.BackWall().Dark3D());
    EXPECT_TRUE(chart.Legend().Visible());
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_EQ(chart.BevelWidth(), 1);
    EXPECT_EQ(chart.BorderWidth(), 0);
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_TRUE(chart.View3D());
    EXPECT_FALSE(chart.zoomDrag.active);
    EXPECT_FALSE(chart.scrollDrag.active);
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

    chart.Title().SetText({QStringLiteral("Graf")});
    chart.Title().SetText({QStringLiteral("Graf")});
    chart.Foot().AddLine(QStringLiteral("below"));
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

TEST(ChartPaintParts, AssigningATitleOrWallCopiesEverything)
{
    TCustomChart source;
    source.Title().SetText({QStringLiteral("one"), QStringLiteral("two")});
    source.Title().SetAlignment(taRightJustify);
    source.Title().SetAdjustFrame(false);
    source.Title().SetColor(clYellow);
    source.Title().Brush().SetStyle(bsBDiagonal);
    source.Title().Frame().SetVisible(true);
    source.Title().Font().SetColor(clRed);
    source.BackWall().SetColor(clAqua);
    source.BackWall().Brush().SetStyle(bsSolid);
    source.BackWall().Pen().SetWidth(3);
    source.BackWall().SetSize(4);

    TCustomChart target;
    target.SetTitle(source.Title());
    target.SetBackWall(source.BackWall());
    EXPECT_EQ(target.Title().Text(), source.Title().Text());
    EXPECT_EQ(target.Title().Alignment(), taRightJustify);
    EXPECT_FALSE(target.Title().AdjustFrame());
    EXPECT_EQ(target.Title().Color(), clYellow);
    EXPECT_EQ(target.Title().Brush().Style(), bsBDiagonal);
    EXPECT_TRUE(target.Title().Frame().Visible());
    EXPECT_EQ(target.Title().Font().Color(), clRed);
    EXPECT_EQ(target.BackWall().Color(), clAqua);
    EXPECT_EQ(target.BackWall().Brush().Style(), bsSolid);
    EXPECT_EQ(target.BackWall().Pen().Width(), 3);
    EXPECT_EQ(target.BackWall().Size(), 4);
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
