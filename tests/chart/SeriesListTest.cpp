#include "chart/AxisPanel.h"
#include "platform/Exceptions.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>


#include <memory>

namespace {

class SeriesListTest : public ::testing::Test {
protected:
    TChartSeries* MakeSeries(TColor color = clDefault)
    {
        auto* series = new TChartSeries(&owner);
        if (color != clDefault)
            series->SetSeriesColor(color);
        return series;
    }
    TChartSeries* MakeAttached(TColor color = clDefault)
    {
        TChartSeries* series = MakeSeries(color);
        series->SetParentChart(&chart);
        return series;
    }
    static void AddXRange(TChartSeries& series, double from, double to)
    {
        series.AddPoint(from, 0);
        series.AddPoint(to, 1);
    }

    TCustomAxisPanel chart;
    platform::ComponentOwner owner;
};

} // namespace

TEST_F(SeriesListTest, AttachingAppendsOnceAndRequestsARepaint)
{
    TChartSeries* first = MakeAttached(clRed);
    TChartSeries* second = MakeSeries(clGreen);
    const RepaintCounter repaints(chart);
    second->SetParentChart(&chart);
    EXPECT_EQ(repaints.Count(), 1);
    ASSERT_EQ(chart.NumberOfSeries(), 2);
    EXPECT_EQ(chart.SeriesAt(0), first);
    EXPECT_EQ(chart.SeriesAt(1), second);
    EXPECT_EQ(second->ParentChart(), &chart);

    second->SetParentChart(&chart);
    EXPECT_EQ(chart.NumberOfSeries(), 2);
    EXPECT_EQ(repaints.Count(), 1);

    EXPECT_THROW(chart.SeriesAt(2), ListIndexError);
}

TEST_F(SeriesListTest, DetachingKeepsTheOthersInOrderAndThePoints)
{
    TChartSeries* a = MakeAttached();
    TChartSeries* b = MakeAttached();
    TChartSeries* c = MakeAttached();
    b->AddPoint(1, 2);
    const RepaintCounter repaints(chart);
    b->SetParentChart(nullptr);
    EXPECT_EQ(repaints.Count(), 1);
    EXPECT_EQ(chart.NumberOfSeries(), 2);
    EXPECT_EQ(chart.SeriesAt(0), a);
    EXPECT_EQ(chart.SeriesAt(1), c);
    EXPECT_EQ(b->ParentChart(), nullptr);
    EXPECT_EQ(b->PointCount(), 1);

    b->SetParentChart(&chart);
    EXPECT_EQ(chart.SeriesAt(2), b);
}

TEST_F(SeriesListTest, MovingASeriesToAnotherChart)
{
    TCustomAxisPanel other;
    TChartSeries* series = MakeAttached();
    series->SetParentChart(&other);
    EXPECT_EQ(chart.NumberOfSeries(), 0);
    EXPECT_EQ(other.NumberOfSeries(), 1);
    EXPECT_EQ(series->GetHorizAxis(), &other.BottomAxis());
    series->SetParentChart(nullptr);
}

TEST_F(SeriesListTest, AttachingPicksTheFirstFreePaletteColour)
{
    MakeAttached(clRed);
    MakeAttached(clGreen);
    TChartSeries* third = MakeAttached();
    EXPECT_EQ(third->SeriesColor(), clYellow);
    // A colour chosen before attaching is kept.
    EXPECT_EQ(MakeAttached(clBlack)->SeriesColor(), clBlack);
    EXPECT_EQ(MakeAttached()->SeriesColor(), clBlue);
}

TEST_F(SeriesListTest, PickFreeSeriesColorFallsBackToRedWhenAllAreTaken)
{
    for (int i = 0; i < 16; ++i)
        MakeAttached(TCustomAxisPanel::DefaultPaletteColor(i));
    EXPECT_EQ(chart.PickFreeSeriesColor(true), clRed);
    EXPECT_EQ(chart.PickFreeSeriesColor(false), clRed);
    EXPECT_EQ(TCustomAxisPanel::DefaultPaletteColor(15), clBlack);
    EXPECT_EQ(TCustomAxisPanel::DefaultPaletteColor(17), clGreen);
}

TEST_F(SeriesListTest, PickFreeSeriesColorAvoidsTheBackgroundOnRequest)
{
    chart.SetColor(clRed);
    EXPECT_EQ(chart.PickFreeSeriesColor(true), clGreen);
    EXPECT_EQ(chart.PickFreeSeriesColor(false), clRed);
}

TEST(SeriesOwnership, DestroyingTheChartDestroysAttachedSeriesOnly)
{
    auto owner = std::make_unique<platform::ComponentOwner>();
    auto chart = std::make_unique<TCustomAxisPanel>();
    const platform::ComponentPointer<TChartSeries> attached = new TChartSeries(owner.get());
    const platform::ComponentPointer<TChartSeries> detached = new TChartSeries(owner.get());
    attached->SetParentChart(chart.get());
    attached->AddPoint(0, 1);
    bool clearedDuringChartDestruction = false;
    attached->OnClearValues = [&](TChartSeries&) { clearedDuringChartDestruction = true; };

    chart.reset();
    EXPECT_EQ(attached.Get(), nullptr);
    EXPECT_TRUE(clearedDuringChartDestruction);
    ASSERT_NE(detached.Get(), nullptr);
    EXPECT_EQ(owner->ComponentCount(), 1);
    owner.reset(); // destroys the detached series; the attached one is gone already
    EXPECT_EQ(detached.Get(), nullptr);
}

TEST(SeriesOwnership, DestroyingTheOwnerFirstDetachesItsSeries)
{
    FakeChartHost host;
    TCustomAxisPanel chart;
    chart.SetHost(&host);
    auto owner = std::make_unique<platform::ComponentOwner>();
    (new TChartSeries(owner.get()))->SetParentChart(&chart);
    (new TChartSeries(owner.get()))->SetParentChart(&chart);
    const int before = host.invalidations;
    owner.reset();
    EXPECT_EQ(chart.NumberOfSeries(), 0);
    EXPECT_GT(host.invalidations, before);
}

TEST(SeriesOwnership, ASeriesTakenOffTheChartGoesWithItsOwnerAndLeavesTheChartAlone)
{
    FakeChartHost host;
    TCustomAxisPanel chart;
    chart.SetHost(&host);
    auto owner = std::make_unique<platform::ComponentOwner>();
    const platform::ComponentPointer<TChartSeries> series = new TChartSeries(owner.get());
    series->SetParentChart(&chart);
    series->SetParentChart(nullptr);
    const int before = host.invalidations;
    owner.reset();
    EXPECT_EQ(series.Get(), nullptr);
    EXPECT_EQ(host.invalidations, before);
}

TEST(SeriesOwnership, DestroyingTheChartLeavesItsWindowAlone)
{
    auto host = std::make_unique<FakeChartHost>();
    auto chart = std::make_unique<TCustomAxisPanel>();
    chart->SetHost(host.get());
    platform::ComponentOwner owner;
    (new TChartSeries(&owner))->SetParentChart(chart.get());
    const int before = host->invalidations;
    chart.reset();
    EXPECT_EQ(host->invalidations, before);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(SeriesListTest, DestroyingADetachedSeriesTouchesNoChart)
{
    MakeAttached();
    TChartSeries* series = MakeAttached();
    series->SetParentChart(nullptr);
    const RepaintCounter repaints(chart);
    delete series;
    EXPECT_EQ(repaints.Count(), 0);
    EXPECT_EQ(chart.NumberOfSeries(), 1);
}

TEST_F(SeriesListTest, DestroyAllSeriesEmptiesTheList)
{
    MakeAttached();
    MakeAttached();
    MakeSeries();
    chart.DestroyAllSeries();
    EXPECT_EQ(chart.NumberOfSeries(), 0);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST_F(SeriesListTest, DetachingRestoresTheChartsOwnCursor)
{
    FakeChartHost host;
    chart.SetHost(&host);
    chart.SetCursor(2);
    TChartSeries* series = MakeAttached();
    series->SetCursor(5);
    chart.ShowCursor(5);
    series->SetParentChart(nullptr);
    EXPECT_EQ(chart.CurrentCursor(), 2);
    EXPECT_EQ(host.shownCursor, 2);
    chart.SetHost(nullptr);
}

TEST_F(SeriesListTest, DataRangeOverTheActiveSeriesOfAnAxis)
{
    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), 0);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 0);

    TChartSeries* first = MakeAttached();
    AddXRange(*first, 0, 3);
    TChartSeries* second = MakeAttached();
    AddXRange(*second, 0, 5);
    TChartSeries* inactive = MakeAttached();
    AddXRange(*inactive, -2, 9);
    inactive->SetActive(false);
    TChartSeries* empty = MakeAttached(); // no points: skipped
    TChartSeries* onTop = MakeAttached();
    onTop->SetHorizAxis(aTopAxis);
    AddXRange(*onTop, -7, 20);

    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), 0);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 5);
    EXPECT_EQ(chart.ChartMinX(chart.TopAxis()), -7);
    EXPECT_EQ(chart.ChartMaxY(chart.LeftAxis()), 1);
    EXPECT_EQ(chart.ChartMinY(chart.RightAxis()), 0); // no series maps Y through it

    // With no active series on the axis, the inactive ones count.
    first->SetActive(false);
    second->SetActive(false);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 0); // the empty series is still active there
    empty->SetActive(false);
    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), -2);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 9);

    onTop->SetHorizAxis(aBothHorizAxis);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 20);
}

TEST_F(SeriesListTest, DataRangeOfOnePage)
{
    TChartSeries* series = MakeAttached();
    for (int i = 0; i < 12; ++i)
        series->AddPoint(i * 10, i);
    chart.SetMaxPointsPerPage(5);
    chart.SetPage(2);
    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), 50);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 90);
    EXPECT_EQ(chart.ChartMaxY(chart.LeftAxis()), 11); // Y is not paged

    chart.SetPage(3); // the short last page: points 10 and 11
    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), 100);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 110);
    chart.SetScaleLastPage(false);
    EXPECT_EQ(chart.ChartMaxX(chart.BottomAxis()), 100 + 10 * 5 / 2);

    chart.SetPage(9); // beyond the data
    EXPECT_EQ(chart.ChartMinX(chart.BottomAxis()), 50);
}

TEST_F(SeriesListTest, EmptyChartShowsTheFourSideAxes)
{
    EXPECT_TRUE(chart.AxisIsShown(chart.BottomAxis()));
    EXPECT_TRUE(chart.AxisIsShown(chart.TopAxis()));
    EXPECT_TRUE(chart.AxisIsShown(chart.LeftAxis()));
    EXPECT_TRUE(chart.AxisIsShown(chart.RightAxis()));
    chart.SetView3D(false);
    EXPECT_FALSE(chart.AxisIsShown(chart.DepthAxis()));
}

TEST_F(SeriesListTest, SeriesShowOnlyTheAxesTheyUse)
{
    chart.SetView3D(false);
    TChartSeries* series = MakeAttached();
    EXPECT_TRUE(chart.AxisIsShown(chart.BottomAxis()));
    EXPECT_FALSE(chart.AxisIsShown(chart.TopAxis()));
    EXPECT_TRUE(chart.AxisIsShown(chart.LeftAxis()));
    EXPECT_FALSE(chart.AxisIsShown(chart.RightAxis()));

    series->SetActive(false);
    EXPECT_TRUE(chart.AxisIsShown(chart.TopAxis()));

    chart.SetAxisVisible(false);
    EXPECT_FALSE(chart.AxisIsShown(chart.BottomAxis()));
    chart.SetAxisVisible(true);
    chart.LeftAxis().SetVisible(false);
    EXPECT_FALSE(chart.AxisIsShown(chart.LeftAxis()));
}

TEST_F(SeriesListTest, DepthAxisOnlyIn3DView)
{
    chart.DepthAxis().SetVisible(true);
    MakeAttached();
    chart.SetView3D(false);
    EXPECT_FALSE(chart.AxisIsShown(chart.DepthAxis()));
    chart.SetView3D(true);
    EXPECT_TRUE(chart.AxisIsShown(chart.DepthAxis()));
    // Its range spans the series' depth.
    EXPECT_EQ(chart.ChartMinY(chart.DepthAxis()), -0.5);
    EXPECT_EQ(chart.ChartMaxY(chart.DepthAxis()), 0.5);
}
