// The chart's mouse handling without a window: click handlers, undo of
// one-sided ranges, the animated zoom, scroll permissions and the kept picture.
#include "chart/ChartHost.h"
#include "tests/chart/ChartMouseTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using mouse_testing::Range;
using mouse_testing::RangeOf;

namespace {

// Stands for the chart's window: counts immediate repaints and what the left axis showed at each.
class RecordingHost final : public ChartHost {
public:
    explicit RecordingHost(TCustomChart& chart)
        : chart_(chart)
    {
        chart_.SetHost(this);
    }
    ~RecordingHost() override { chart_.SetHost(nullptr); }
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;
    void InvalidateWindow() override {}
    void RepaintNow() override { leftRanges.emplace_back(chart_.LeftAxis().Minimum(), chart_.LeftAxis().Maximum()); }
    int ClientWidth() const override { return ConfiguredChart::width; }
    int ClientHeight() const override { return ConfiguredChart::height; }
    void SetWindowCursor(TCursor cursor) override { cursors.push_back(cursor); }

    std::vector<std::pair<double, double>> leftRanges;
    std::vector<TCursor> cursors;

private:
    TCustomChart& chart_;
};

// A configured chart with one run on the ranges "Start" sets, painted once.
class PaintedRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        series = &charted.AddSeries(clRed, PendulumRun(10.0, 250));
        charted.SetStartRanges();
        charted.Paint();
    }

    void Press(TMouseButton button, int x, int y) { chart().HandleMouseDown(button, ssNone, x, y); }
    void Drag(TMouseButton button, QPoint from, QPoint to)
    {
        chart().HandleMouseDown(button, ssNone, from.x(), from.y());
        chart().HandleMouseMove(ssNone, to.x(), to.y());
        chart().HandleMouseUp(button, ssNone, to.x(), to.y());
    }
    TCustomChart& chart() { return charted.chart; }
    // Inside the chart rectangle, above the highest swing of the run.
    QPoint Background() const
    {
        return {150, charted.chart.ChartArea().top + 10};
    }

    ConfiguredChart charted;
    TFastLineSeries* series = nullptr;
};

} // namespace

TEST_F(PaintedRun, ClickHandlersTakeThePressUnlessTheyClearClickConsumed)
{
    int backgroundClicks = 0;
    bool letThrough = false;
    chart().OnClickBackground = [&](TCustomChart& sender, TMouseButton, TShiftState, int, int) {
        ++backgroundClicks;
        if (letThrough)
            sender.SetClickConsumed(false);
    };
    const QPoint at = Background();
    ASSERT_EQ(chart().FindClickedPart(at.x(), at.y()).Part, cpChartRect);
    Press(mbLeft, at.x(), at.y());
    EXPECT_EQ(backgroundClicks, 1);
    EXPECT_FALSE(chart().ZoomDrag().active) << "the handler took the press";
    EXPECT_FALSE(chart().ClickConsumed());
    chart().HandleMouseUp(mbLeft, ssNone, at.x(), at.y());

    letThrough = true;
    Press(mbLeft, at.x(), at.y());
    EXPECT_EQ(backgroundClicks, 2) << "told once, also when it lets the press go on";
    EXPECT_TRUE(chart().ZoomDrag().active);
    chart().HandleMouseUp(mbLeft, ssNone, at.x(), at.y());
    // A middle press starts no drag; the background is still told only once.
    Press(mbMiddle, at.x(), at.y());
    EXPECT_EQ(backgroundClicks, 3);

    // A press on the title that nothing takes counts as a background click.
    const TChartRect title = chart().Title().BlockRect();
    Press(mbLeft, (title.left + title.right) / 2, (title.top + title.bottom) / 2);
    EXPECT_EQ(backgroundClicks, 4);
    EXPECT_FALSE(chart().ZoomDrag().active);
}

TEST_F(PaintedRun, AxisAndSeriesClicksNameWhatWasHit)
{
    const int index = 40;
    const int x = series->PointPixelX(index);
    const int y = series->PointPixelY(index);
    ASSERT_EQ(series->HitTest(x, y), index);
    TChartSeries* clickedSeries = nullptr;
    int clickedIndex = -1;
    chart().OnClickSeries = [&](TCustomChart&, TChartSeries& s, int valueIndex, TMouseButton, TShiftState, int, int) {
        clickedSeries = &s;
        clickedIndex = valueIndex;
    };
    Press(mbLeft, x, y);
    EXPECT_EQ(clickedSeries, series);
    EXPECT_EQ(clickedIndex, index);
    EXPECT_FALSE(chart().ZoomDrag().active);

    const TCustomChartAxis* clickedAxis = nullptr;
    chart().OnClickAxis = [&](TCustomChart&, TCustomChartAxis& axis, TMouseButton, TShiftState, int, int) {
        clickedAxis = &axis;
    };
    const int middle = (chart().ChartArea().top + chart().ChartArea().bottom) / 2;
    Press(mbRight, chart().ChartArea().left - 1, middle);
    EXPECT_EQ(clickedAxis, &chart().LeftAxis());
    EXPECT_FALSE(chart().ScrollDrag().active);
}

TEST_F(PaintedRun, PressesDuringADragAndOnPointsRemovedSinceThePaintAreSafe)
{
    int presses = 0;
    chart().OnMouseDown = [&](TCustomChart&, TMouseButton, TShiftState, int, int) { ++presses; };
    Press(mbLeft, 100, 100);
    ASSERT_TRUE(chart().ZoomDrag().active);
    Press(mbRight, 120, 120);
    EXPECT_EQ(presses, 2);
    EXPECT_FALSE(chart().ScrollDrag().active) << "ignored while the zoom drag goes on";
    chart().HandleMouseUp(mbRight, ssNone, 120, 120);
    EXPECT_TRUE(chart().ZoomDrag().active) << "only the zoom button ends a zoom drag";
    chart().HandleMouseUp(mbLeft, ssNone, 100, 100);

    // The visible range of the last paint still names the removed points.
    const int x = series->PointPixelX(40);
    const int y = series->PointPixelY(40);
    series->ClearPoints();
    EXPECT_NO_THROW(Press(mbLeft, x, y));
    EXPECT_EQ(chart().FindClickedPart(x, y).Part, cpChartRect);
    chart().HandleMouseUp(mbLeft, ssNone, x, y);
}

TEST_F(PaintedRun, UndoBringsBackOneSidedAutomaticRanges)
{
    TChartAxis& left = chart().LeftAxis();
    left.SetAutomaticMinimum(true);
    ASSERT_FALSE(left.Automatic());
    ASSERT_FALSE(left.AutomaticMaximum());
    charted.Paint();
    const double paintedMinimum = left.Minimum();

    Drag(mbLeft, {100, 100}, {200, 250});
    ASSERT_FALSE(left.AutomaticMinimum());
    Drag(mbLeft, {200, 250}, {100, 100});
    EXPECT_TRUE(left.AutomaticMinimum());
    EXPECT_FALSE(left.AutomaticMaximum());
    EXPECT_FALSE(left.Automatic());
    EXPECT_EQ(left.Minimum(), paintedMinimum);
    EXPECT_EQ(left.Maximum(), 15);
    EXPECT_EQ(RangeOf(chart().BottomAxis()), (Range{false, 0, 3}));
    EXPECT_TRUE(chart().TopAxis().Automatic()) << "the top axis was automatic";

    // With nothing to undo, an undo keeps the ranges and still tells its handler.
    int undos = 0;
    chart().OnUndoZoom = [&](TCustomChart&) { ++undos; };
    left.SetRange(-1, 1);
    chart().UndoZoom();
    EXPECT_EQ(undos, 1);
    EXPECT_EQ(RangeOf(left), (Range{false, -1, 1}));
}

TEST_F(PaintedRun, AnAnimatedZoomMovesAThirdOfTheWayAtEachShownStep)
{
    RecordingHost host(chart());
    chart().SetAnimatedZoom(true);
    chart().SetAnimatedZoomSteps(4);
    int zooms = 0;
    chart().OnZoom = [&](TCustomChart&) { ++zooms; };

    chart().ApplyZoom({.left = {-6, 3}, .right = {0, 1}, .top = {0, 1}, .bottom = {1, 2}});
    ASSERT_EQ(host.leftRanges.size(), 3u);
    EXPECT_EQ(host.leftRanges[0], std::make_pair(-12.0, 11.0));
    EXPECT_DOUBLE_EQ(host.leftRanges[1].first, -10.0);
    EXPECT_DOUBLE_EQ(host.leftRanges[1].second, 11.0 - 8.0 / 3);
    EXPECT_EQ(RangeOf(chart().LeftAxis()), (Range{false, -6, 3}));
    EXPECT_EQ(RangeOf(chart().BottomAxis()), (Range{false, 1, 2}));
    EXPECT_EQ(zooms, 1);
    EXPECT_EQ(chart().RememberedRanges().left.minimum, -15) << "remembered before the first step";
}

TEST_F(PaintedRun, PanningModesAndTheAllowScrollHandlerLimitTheScroll)
{
    const Range bottomBefore = RangeOf(chart().BottomAxis());
    chart().SetAllowPanning(pmVertical);
    Drag(mbRight, {150, 300}, {180, 330});
    EXPECT_EQ(RangeOf(chart().BottomAxis()), bottomBefore);
    EXPECT_GT(chart().LeftAxis().Minimum(), -15) << "dragged down, the range moves up";

    chart().SetAllowPanning(pmBoth);
    chart().OnAllowScroll = [&](TCustomChartAxis& axis, double& newMinimum, double& newMaximum, bool& allow) {
        if (&axis == &chart().BottomAxis())
            allow = false;
        else if (&axis == &chart().LeftAxis()) {
            newMinimum = -100;
            newMaximum = 100;
        }
    };
    Drag(mbRight, {150, 300}, {180, 330});
    EXPECT_EQ(RangeOf(chart().BottomAxis()), bottomBefore);
    EXPECT_EQ(RangeOf(chart().LeftAxis()), (Range{false, -100, 100}));

    chart().SetAllowPanning(pmNone);
    chart().SetAllowZoom(false);
    Press(mbRight, 150, 300);
    EXPECT_FALSE(chart().ScrollDrag().active);
    Press(mbLeft, 150, 300);
    EXPECT_FALSE(chart().ZoomDrag().active);
}

TEST_F(PaintedRun, ABandPaintedIntoTheKeptPictureLeavesItWithTheRelease)
{
    const QImage clean = charted.window.copy();
    Press(mbLeft, 100, 100);
    chart().HandleMouseMove(ssNone, 200, 250);
    // A paint in the middle of the drag draws the band into the kept picture.
    chart().RequestRepaint();
    charted.Paint();
    ASSERT_NE(charted.window, clean);
    chart().HandleMouseUp(mbLeft, ssNone, 105, 105);
    EXPECT_EQ(charted.window, clean) << "the window lost the band";
    EXPECT_TRUE(chart().PictureStale()) << "the kept picture still holds it";
    EXPECT_EQ(charted.Paint(), clean);

    // Without a paint during the drag the kept picture stays current.
    Press(mbLeft, 100, 100);
    chart().HandleMouseMove(ssNone, 200, 250);
    chart().HandleMouseUp(mbLeft, ssNone, 105, 105);
    EXPECT_FALSE(chart().PictureStale());
    EXPECT_EQ(charted.Paint(), clean);
}
