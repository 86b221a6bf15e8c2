#include "chart/AxisPanel.h"
#include "chart/ChartExceptions.h"
#include "platform/Exceptions.h"
#include "tests/chart/ChartTestSupport.h"

#include <gtest/gtest.h>


#include <memory>
#include <vector>

namespace {

// A series that records what the chart asks it to draw.
class RecordingSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    using TChartSeries::SetDrawsBetweenPoints;
    void DrawPoint(int index) override { drawn.push_back(index); }
    std::vector<int> drawn;
};

std::vector<double> YValues(const TChartSeries& series)
{
    std::vector<double> values;
    for (int i = 0; i < series.PointCount(); ++i)
        values.push_back(series.YValueAt(i));
    return values;
}

class SeriesTest : public ::testing::Test {
protected:
    TCustomAxisPanel chart;
    // A series owned by owner and attached to chart.
    template <typename Series = TChartSeries>
    Series* MakeAttached()
    {
        auto* series = new Series(&owner);
        series->SetParentChart(&chart);
        return series;
    }
    platform::ComponentOwner owner;
};

} // namespace

TEST(Series, DefaultsAndValueLists)
{
    const TChartSeries series;
    EXPECT_EQ(series.HorizAxis(), aBottomAxis);
    EXPECT_EQ(series.VertAxis(), aLeftAxis);
    EXPECT_EQ(series.SeriesColor(), clDefault);
    EXPECT_EQ(series.PercentFormat(), std::string("##0.## %"));
    EXPECT_EQ(series.ValueFormat(), std::string("#,##0.###"));
    ASSERT_EQ(series.ValuesLists().Count(), 2);
    EXPECT_EQ(&series.ValuesLists()[0], &series.XValues());
    EXPECT_EQ(&series.ValuesLists()[1], &series.YValues());
    EXPECT_EQ(series.XValues().Name(), std::string("X"));
    EXPECT_EQ(series.YValues().Name(), std::string("Y"));
    EXPECT_EQ(series.XValues().Order(), loAscending);
    EXPECT_EQ(series.YValues().Order(), loNone);
    EXPECT_EQ(series.FirstVisibleIndex(), -1);
    EXPECT_TRUE(series.ComputesVisibleRange());
    EXPECT_FALSE(series.DrawsBetweenPoints());
    EXPECT_EQ(series.MinX(), 0);
    EXPECT_EQ(series.MaxY(), 0);
}

TEST(Series, MiddleInsertKeepsYColourAndLabelBesideTheirX)
{
    TChartSeries series;
    EXPECT_EQ(series.AddPoint(0, 10, std::string("first"), clRed), 0);
    EXPECT_EQ(series.AddPoint(2, 20), 1);
    EXPECT_EQ(series.AddPoint(1, 15, std::string("mid"), clBlue), 1);
    ASSERT_EQ(series.PointCount(), 3);
    EXPECT_EQ(series.XValueAt(1), 1);
    EXPECT_EQ(YValues(series), (std::vector<double>{10, 15, 20}));
    EXPECT_EQ(series.PointColor(0), clRed);
    EXPECT_EQ(series.PointColor(1), clBlue);
    EXPECT_EQ(series.PointColor(2), clDefault); // the series colour, not chosen yet
    EXPECT_EQ(series.PointLabel(0), std::string("first"));
    EXPECT_EQ(series.PointLabel(1), std::string("mid"));
    EXPECT_EQ(series.PointLabel(2), std::string());
}

TEST(Series, EqualXKeepAddingOrderAndYFollowsX)
{
    TChartSeries series;
    series.AddPoint(1, 10);
    series.AddPoint(1, 20);
    series.AddPoint(0.5, 5);
    series.AddPoint(1, 30);
    EXPECT_EQ(YValues(series), (std::vector<double>{5, 10, 20, 30}));

    TChartSeries unordered;
    unordered.AddPoint(0, 5);
    unordered.AddPoint(1, 1);
    unordered.AddPoint(2, 3);
    EXPECT_EQ(YValues(unordered), (std::vector<double>{5, 1, 3}));
    EXPECT_EQ(unordered.MinY(), 1);
    EXPECT_EQ(unordered.MaxY(), 5);
    EXPECT_EQ(unordered.MinX(), 0);
    EXPECT_EQ(unordered.MaxX(), 2);
}

TEST(Series, MultiplierOnYScalesReadsAndExtremes)
{
    TChartSeries series;
    series.AddPoint(0, 3);
    series.AddPoint(1, -1);
    series.YValues().SetMultiplier(2.0);
    EXPECT_EQ(series.YValueAt(0), 6);
    EXPECT_EQ(series.MinY(), -2);
    EXPECT_EQ(series.MaxY(), 6);
    EXPECT_EQ(series.YValues().StoredValueAt(0), 3);
}

TEST(Series, PointColoursFollowTheSeriesColourUntilSetOwn)
{
    TChartSeries series;
    series.SetSeriesColor(clGreen);
    series.AddPoint(0, 0);
    series.AddPoint(1, 0, std::string(), clRed);
    series.AddNullPoint(2, 0);
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_TRUE(series.IsNullPoint(2));
    EXPECT_FALSE(series.IsNullPoint(0));
    EXPECT_EQ(series.PointColor(99), clGreen);
    EXPECT_EQ(series.PointColor(-1), clGreen);

    series.SetSeriesColor(clBlue);
    EXPECT_EQ(series.PointColor(0), clBlue);

    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), clRed); // palette entry 0
    EXPECT_EQ(series.PointColor(1), clRed); // its own colour

    // Switching it off resets every stored colour to the series colour.
    series.SetColorEachPoint(false);
    EXPECT_EQ(series.PointColor(1), clBlue);
    EXPECT_FALSE(series.IsNullPoint(2));
}

TEST(Series, SequentialAndNullPoints)
{
    TChartSeries series;
    EXPECT_EQ(series.AddSequentialPoint(7, std::string("a")), 0);
    EXPECT_EQ(series.AddSequentialPoint(9), 1);
    EXPECT_EQ(series.AddNullValue(std::string("gap")), 2);
    EXPECT_EQ(series.XValueAt(1), 1);
    EXPECT_EQ(series.YValueAt(1), 9);
    EXPECT_EQ(series.XValueAt(2), 2);
    EXPECT_EQ(series.YValueAt(2), 0);
    EXPECT_TRUE(series.IsNullPoint(2));
    EXPECT_EQ(series.PointLabel(2), std::string("gap"));
}

TEST(Series, RefusedAddStoresAndTellsNothing)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    int afterAdds = 0;
    series.OnAfterAdd = [&](TChartSeries&, int) { ++afterAdds; };
    series.OnBeforeAdd = [](TChartSeries& sender) { return sender.XValues().PendingValue() < 10; };
    const RepaintCounter repaints(chart);

    EXPECT_EQ(series.AddPoint(20, 1), -1);
    EXPECT_EQ(series.PointCount(), 0);
    EXPECT_EQ(afterAdds, 0);
    EXPECT_EQ(repaints.Count(), 0);
    EXPECT_EQ(series.YValues().PendingValue(), 1);

    EXPECT_EQ(series.AddPoint(5, 2), 0);
    EXPECT_EQ(afterAdds, 1);
    EXPECT_EQ(repaints.Count(), 1);
}

TEST(Series, AfterAddSeesTheStoredPointAndItsFailureReachesTheCaller)
{
    TChartSeries series;
    series.AddPoint(0, 1);
    int reported = -1;
    series.OnAfterAdd = [&](TChartSeries& sender, int index) {
        reported = index;
        EXPECT_EQ(sender.YValueAt(index), 7);
        throw ChartException(std::string("stop"));
    };
    EXPECT_THROW(series.AddPoint(-1, 7), ChartException);
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(series.PointCount(), 2);
}

TEST(Series, DeleteAndSwapMoveWholePoints)
{
    TChartSeries series;
    series.AddPoint(0, 10, std::string("a"), clRed);
    series.AddPoint(1, 11, std::string(), clGreen);
    series.AddPoint(2, 12, std::string("c"), clBlue);

    series.SwapPoints(0, 2);
    EXPECT_EQ(series.XValueAt(0), 2);
    EXPECT_EQ(series.YValueAt(0), 12);
    EXPECT_EQ(series.PointColor(0), clBlue);
    EXPECT_EQ(series.PointLabel(0), std::string("c"));
    EXPECT_EQ(series.PointLabel(2), std::string("a"));

    series.DeletePoint(1);
    EXPECT_EQ(series.PointCount(), 2);
    EXPECT_EQ(YValues(series), (std::vector<double>{12, 10}));
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.PointLabel(1), std::string("a"));
    EXPECT_EQ(series.MaxY(), 12);
}

TEST(Series, IndexErrorsLeaveTheSeriesUnchanged)
{
    TChartSeries series;
    series.AddPoint(0, 10, std::string("a"), clRed);
    series.AddPoint(1, 11);
    const auto expectUnchanged = [&] {
        EXPECT_EQ(series.PointCount(), 2);
        EXPECT_EQ(YValues(series), (std::vector<double>{10, 11}));
        EXPECT_EQ(series.PointColor(0), clRed);
        EXPECT_EQ(series.PointLabel(0), std::string("a"));
    };
    const auto expectError = [&](int index, auto action) {
        try {
            action();
            ADD_FAILURE() << "no error for " << index;
        } catch (const ListIndexError& error) {
            EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
        expectUnchanged();
    };
    expectError(2, [&] { series.DeletePoint(2); });
    expectError(-1, [&] { series.DeletePoint(-1); });
    expectError(5, [&] { series.SwapPoints(1, 5); });
    expectError(3, [&] { series.SetPointColor(3, clBlue); });
    expectError(2, [&] { series.YValueAt(2); });
}

TEST(Series, ClearPointsEmptiesEverythingThenTellsTheHandler)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    series.AddPoint(0, 1, std::string("a"), clRed);
    int pointsSeenByHandler = -1;
    series.OnClearValues = [&](TChartSeries& sender) { pointsSeenByHandler = sender.PointCount(); };
    RepaintCounter repaints(chart);
    series.ClearPoints();
    EXPECT_EQ(pointsSeenByHandler, 0);
    EXPECT_EQ(repaints.Count(), 1);
    EXPECT_EQ(series.PointLabel(0), std::string());
    EXPECT_EQ(series.PointColor(0), series.SeriesColor());
    EXPECT_EQ(series.MaxX(), 0);

    // An inactive series is not drawn, so clearing it requests no repaint.
    series.SetActive(false);
    const RepaintCounter inactive(chart);
    series.AddPoint(0, 1);
    series.ClearPoints();
    EXPECT_EQ(inactive.Count(), 0);
}

TEST(Series, SettersRequestARepaintOnlyForRealChanges)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetSeriesColor(clRed);
    series.SetParentChart(&chart);
    const RepaintCounter repaints(chart);
    series.SetActive(true);
    series.SetSeriesColor(clRed);
    series.SetShowInLegend(true);
    series.SetTitle(std::string());
    series.SetValueFormat(std::string("#,##0.###"));
    series.SetPercentFormat(std::string("##0.## %"));
    series.SetHorizAxis(aBottomAxis);
    series.SetColorEachPoint(false);
    series.SetCursor(3);
    EXPECT_EQ(repaints.Count(), 0);

    series.SetTitle(std::string("run 1"));
    series.SetSeriesColor(clBlue);
    series.SetActive(false);
    series.Marks().SetVisible(true);
    EXPECT_EQ(repaints.Count(), 4);
}

TEST(Series, SwappingAndChangingPointsRequestsNoRepaint)
{
    TCustomAxisPanel chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    series.AddPoint(0, 0);
    series.AddPoint(1, 1);
    const RepaintCounter repaints(chart);
    series.SwapPoints(0, 1);
    series.YValues().SetValueAt(0, 5);
    EXPECT_EQ(repaints.Count(), 0);
    series.SetPointColor(0, clRed);
    series.DeletePoint(0);
    EXPECT_EQ(repaints.Count(), 2);
}

TEST_F(SeriesTest, HorizAxisChoosesTheAxisItMapsThrough)
{
    TChartSeries* series = MakeAttached();
    EXPECT_EQ(series->GetHorizAxis(), &chart.BottomAxis());
    EXPECT_EQ(series->GetVertAxis(), &chart.LeftAxis());
    EXPECT_TRUE(series->IsAssociatedWithAxis(chart.BottomAxis()));
    EXPECT_FALSE(series->IsAssociatedWithAxis(chart.TopAxis()));

    series->SetHorizAxis(aTopAxis);
    series->SetVertAxis(aRightAxis);
    EXPECT_EQ(series->GetHorizAxis(), &chart.TopAxis());
    EXPECT_EQ(series->GetVertAxis(), &chart.RightAxis());
    EXPECT_FALSE(series->IsAssociatedWithAxis(chart.LeftAxis()));

    series->SetHorizAxis(aBothHorizAxis);
    series->SetVertAxis(aCustomVertAxis);
    EXPECT_TRUE(series->IsAssociatedWithAxis(chart.TopAxis()));
    EXPECT_TRUE(series->IsAssociatedWithAxis(chart.BottomAxis()));
    EXPECT_TRUE(series->IsAssociatedWithAxis(chart.LeftAxis()));

    series->SetParentChart(nullptr);
    EXPECT_EQ(series->GetHorizAxis(), nullptr);
    EXPECT_THROW(series->PointPixelX(0), ChartException);
}

TEST_F(SeriesTest, PointPixelsGoThroughTheResolvedAxes)
{
    TChartSeries* series = MakeAttached();
    series->AddPoint(1.5, 7.5);
    LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 0, 3);
    LayOutAxis(chart, chart.LeftAxis(), {60, 40, 460, 640}, -15, 15);
    EXPECT_EQ(series->PointPixelX(0), 260);
    EXPECT_EQ(series->PointPixelY(0), 190);
}

TEST_F(SeriesTest, NoPointsMeansNoVisibleRange)
{
    auto* series = MakeAttached<RecordingSeries>();
    LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 1, 2);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), -1);
    EXPECT_EQ(series->LastVisibleIndex(), -1);
    series->DrawAllPoints();
    EXPECT_TRUE(series->drawn.empty());
}

TEST_F(SeriesTest, VisibleRangeKeepsThePointBeyondTheEdgeOnlyWhenDrawingBetweenPoints)
{
    auto* series = MakeAttached<RecordingSeries>();
    for (double x : {0.0, 0.5, 1.0, 1.5, 2.5, 3.0})
        series->AddPoint(x, 0);
    LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 1, 2);

    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 2);
    EXPECT_EQ(series->LastVisibleIndex(), 3);

    series->SetDrawsBetweenPoints(true);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 2);
    EXPECT_EQ(series->LastVisibleIndex(), 4);
    series->DrawAllPoints();
    EXPECT_EQ(series->drawn, (std::vector<int>{2, 3, 4}));
}

TEST_F(SeriesTest, VisibleRangeWithAPointExactlyOnTheEdge)
{
    for (bool between : {false, true}) {
        auto* series = MakeAttached<RecordingSeries>();
        series->SetDrawsBetweenPoints(between);
        for (int i = 0; i <= 6; ++i)
            series->AddPoint(i * 0.5, 0);
        LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 1, 2);
        series->ComputeVisibleRange();
        EXPECT_EQ(series->FirstVisibleIndex(), 2) << between;
        EXPECT_EQ(series->LastVisibleIndex(), 4) << between;
        delete series;
    }
}

TEST_F(SeriesTest, VisibleRangeOfPointsOutsideOrUnordered)
{
    auto* series = MakeAttached<RecordingSeries>();
    series->AddPoint(0, 0);
    series->AddPoint(0.5, 0);
    LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 1, 2);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), -1);

    // Only a point beyond the right edge is left: it is the first in view, and nothing is drawn.
    series->AddPoint(5, 0);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 2);
    EXPECT_EQ(series->LastVisibleIndex(), 1); // nothing to draw
    series->DrawAllPoints();
    EXPECT_TRUE(series->drawn.empty());

    series->XValues().SetOrder(loNone);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 0);
    EXPECT_EQ(series->LastVisibleIndex(), 2);

    series->XValues().SetOrder(loAscending);
    series->SetComputesVisibleRange(false);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 0);
    EXPECT_EQ(series->LastVisibleIndex(), 2);
}

TEST_F(SeriesTest, VisibleRangeOnAnInvertedAxis)
{
    auto* series = MakeAttached<RecordingSeries>();
    for (double x : {0.0, 1.0, 1.5, 2.0, 3.0})
        series->AddPoint(x, 0);
    chart.BottomAxis().SetInverted(true);
    LayOutAxis(chart, chart.BottomAxis(), {60, 40, 460, 640}, 1, 2);
    series->ComputeVisibleRange();
    EXPECT_EQ(series->FirstVisibleIndex(), 1);
    EXPECT_EQ(series->LastVisibleIndex(), 3);
}

TEST_F(SeriesTest, DependentSeriesFollowTheirSource)
{
    TChartSeries* source = MakeAttached();
    source->AddPoint(0, 1, std::string("a"));
    TChartSeries* copy = MakeAttached();
    copy->SetDataSource(source);
    EXPECT_EQ(source->Dependents(), (std::vector<TChartSeries*>{copy}));
    EXPECT_EQ(YValues(*copy), (std::vector<double>{1}));
    EXPECT_EQ(copy->PointLabel(0), std::string("a"));

    source->AddPoint(1, 2);
    source->AddPoint(0.5, 3);
    EXPECT_EQ(YValues(*copy), (std::vector<double>{1, 3, 2}));
    source->DeletePoint(0);
    EXPECT_EQ(YValues(*copy), (std::vector<double>{3, 2}));
    source->YValues().SetMultiplier(10);
    EXPECT_EQ(YValues(*copy), (std::vector<double>{30, 20}));
    source->ClearPoints();
    EXPECT_EQ(copy->PointCount(), 0);

    copy->SetRecalcOptions(rOnClear);
    source->AddPoint(0, 1);
    EXPECT_EQ(copy->PointCount(), 0);

    delete source;
    EXPECT_EQ(copy->DataSource(), nullptr);
}

TEST_F(SeriesTest, DataSourcesNeedAChartAndMayNotFormACircle)
{
    TChartSeries loose;
    TChartSeries* a = MakeAttached();
    try {
        loose.SetDataSource(a);
        FAIL();
    } catch (const ChartException& error) {
        EXPECT_EQ(error.Message(), std::string("No ParentChart to validate DataSource"));
    }
    TChartSeries* b = MakeAttached();
    TChartSeries* c = MakeAttached();
    b->SetDataSource(a);
    c->SetDataSource(b);
    try {
        a->SetDataSource(c);
        FAIL();
    } catch (const ChartException& error) {
        EXPECT_EQ(error.Message(), std::string("Circular Series dependences are not allowed"));
    }
    EXPECT_THROW(a->SetDataSource(a), ChartException);
    EXPECT_EQ(a->DataSource(), nullptr);

    // A detached series stops following its source; attached again, it copies anew.
    b->SetParentChart(nullptr);
    a->AddPoint(0, 4);
    EXPECT_EQ(b->PointCount(), 0);
    b->SetParentChart(&chart);
    EXPECT_EQ(YValues(*b), (std::vector<double>{4}));
    EXPECT_EQ(YValues(*c), (std::vector<double>{4}));
}

TEST_F(SeriesTest, DestroyingASeriesClearsItThenDetachesIt)
{
    TChartSeries* series = MakeAttached();
    series->AddPoint(0, 1);
    bool cleared = false;
    series->OnClearValues = [&](TChartSeries& sender) {
        cleared = true;
        EXPECT_EQ(sender.ParentChart(), &chart); // still attached while it is emptied
    };
    const RepaintCounter repaints(chart);
    delete series;
    EXPECT_TRUE(cleared);
    EXPECT_EQ(chart.NumberOfSeries(), 0);
    EXPECT_GE(repaints.Count(), 1);
    EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(SeriesTest, AFailingClearHandlerDoesNotStopTheDestruction)
{
    TChartSeries* series = MakeAttached();
    series->OnClearValues = [](TChartSeries&) { throw ChartException(std::string("no")); };
    delete series;
    EXPECT_EQ(chart.NumberOfSeries(), 0);
}
