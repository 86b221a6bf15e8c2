// Zooming and scrolling a real chart widget with the mouse and the wheel.
#include "tests/chart/ChartMouseTestSupport.h"
#include "platform/qt/QtColors.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

using mouse_testing::Range;
using mouse_testing::RangeOf;
using mouse_testing::ShownRunChart;
using testing_support::rgbAt;

namespace {

constexpr QPoint zoomFrom(100, 100);
constexpr QPoint zoomTo(200, 250);

// The ranges a drag over (from, to) zooms the four side axes to, as the last paint maps pixels.
struct ExpectedZoom {
    ExpectedZoom(const TChart& chart, QPoint from, QPoint to)
        : bottom{false, chart.BottomAxis().PixelToValue(from.x()), chart.BottomAxis().PixelToValue(to.x())}
        , top{false, chart.TopAxis().PixelToValue(from.x()), chart.TopAxis().PixelToValue(to.x())}
        , left{false, chart.LeftAxis().PixelToValue(to.y()), chart.LeftAxis().PixelToValue(from.y())}
        , right{false, chart.RightAxis().PixelToValue(to.y()), chart.RightAxis().PixelToValue(from.y())}
    {
    }
    Range bottom;
    Range top;
    Range left;
    Range right;
};

} // namespace

TEST(ChartMouseWidget, LeftDragZoomsTheFourAxesAndOneReverseDragRestoresTheFirstRanges)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    // Top and right axes carry no series; give them ranges of their own to zoom.
    chart.TopAxis().SetRange(10, 20);
    chart.RightAxis().SetRange(-1, 1);
    shown.ShowRun();
    ASSERT_TRUE(chart.ChartArea().Contains(zoomFrom.x(), zoomFrom.y()));
    ASSERT_TRUE(chart.ChartArea().Contains(zoomTo.x(), zoomTo.y()));
    const Range bottomAtStart = RangeOf(chart.BottomAxis());
    const Range leftAtStart = RangeOf(chart.LeftAxis());
    const Range topAtStart = RangeOf(chart.TopAxis());
    const Range rightAtStart = RangeOf(chart.RightAxis());

    const ExpectedZoom first(chart, zoomFrom, zoomTo);
    const int rendersBefore = shown.renders;
    shown.Drag(Qt::LeftButton, zoomFrom, zoomTo);
    EXPECT_EQ(RangeOf(chart.BottomAxis()), first.bottom);
    EXPECT_EQ(RangeOf(chart.TopAxis()), first.top);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), first.left);
    EXPECT_EQ(RangeOf(chart.RightAxis()), first.right);
    EXPECT_NEAR(first.bottom.maximum - first.bottom.minimum, 3.0 * 100 / chart.BottomAxis().PixelSize(), 1e-12);
    EXPECT_TRUE(chart.Zoomed());
    ShownRunChart::Settle();
    EXPECT_EQ(shown.renders, rendersBefore + 1) << "one new picture for the zoom";
    EXPECT_EQ(chart.BottomAxis().RangeMin(), first.bottom.minimum);
    EXPECT_EQ(chart.LeftAxis().RangeMax(), first.left.maximum);

    // A second zoom, inside the first one's picture.
    const ExpectedZoom second(chart, {150, 150}, {300, 400});
    shown.Drag(Qt::LeftButton, {150, 150}, {300, 400});
    EXPECT_EQ(RangeOf(chart.BottomAxis()), second.bottom);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), second.left);
    ShownRunChart::Settle();

    shown.Drag(Qt::LeftButton, zoomTo, zoomFrom);
    EXPECT_EQ(RangeOf(chart.BottomAxis()), bottomAtStart);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), leftAtStart);
    EXPECT_EQ(RangeOf(chart.TopAxis()), topAtStart);
    EXPECT_EQ(RangeOf(chart.RightAxis()), rightAtStart);
    EXPECT_FALSE(chart.Zoomed());
    EXPECT_TRUE(chart.RangesRestored());
}

TEST(ChartMouseWidget, ADragOfSixteenPixelsEitherWayOnlyErasesTheBand)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    // Seventeen pixels both ways is the smallest zoom.
    shown.Drag(Qt::LeftButton, {100, 100}, {117, 117});
    ASSERT_TRUE(chart.Zoomed());
    ShownRunChart::Settle();
    const Range bottomZoomed = RangeOf(chart.BottomAxis());
    const Range leftZoomed = RangeOf(chart.LeftAxis());
    const QImage kept = chart.WindowSurface().copy();
    const long long requests = chart.RepaintRequestCount();

    shown.Drag(Qt::LeftButton, {100, 100}, {116, 300});
    shown.Drag(Qt::LeftButton, {100, 100}, {300, 116});
    // Nor does a short reverse drag undo the zoom.
    shown.Drag(Qt::LeftButton, {300, 300}, {284, 100});
    EXPECT_EQ(RangeOf(chart.BottomAxis()), bottomZoomed);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), leftZoomed);
    EXPECT_TRUE(chart.Zoomed());
    EXPECT_EQ(chart.RepaintRequestCount(), requests);
    EXPECT_EQ(chart.WindowSurface(), kept) << "the band is gone and nothing else changed";
    EXPECT_FALSE(chart.ZoomDrag().active);
}

TEST(ChartMouseWidget, TheRubberBandInvertsItsOutlineOverTheKeptPictureAndDrawnAgainIsGone)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    const QImage kept = chart.WindowSurface().copy();
    const int renders = shown.renders;

    shown.Press(Qt::LeftButton, zoomFrom);
    shown.MoveTo({180, 200});
    shown.MoveTo(zoomTo);
    const QImage banded = chart.WindowSurface().copy();
    // Not-xor with the panel colour: every outline pixel becomes ~(pen ^ pixel).
    const unsigned pen = Drawn(FromQColor(ToQColor(chart.Color())));
    const auto inverted = [&](int x, int y) { return ~(pen ^ rgbAt(kept, x, y)) & 0xFFFFFFu; };
    const int right = zoomTo.x() - 1;
    const int bottom = zoomTo.y() - 1;
    for (int x = zoomFrom.x(); x <= right; ++x) {
        ASSERT_EQ(rgbAt(banded, x, zoomFrom.y()), inverted(x, zoomFrom.y())) << "top, x " << x;
        ASSERT_EQ(rgbAt(banded, x, bottom), inverted(x, bottom)) << "bottom, x " << x;
    }
    for (int y = zoomFrom.y(); y <= bottom; ++y) {
        ASSERT_EQ(rgbAt(banded, zoomFrom.x(), y), inverted(zoomFrom.x(), y)) << "left, y " << y;
        ASSERT_EQ(rgbAt(banded, right, y), inverted(right, y)) << "right, y " << y;
    }
    const int outline = 2 * (right - zoomFrom.x() + 1) + 2 * (bottom - zoomFrom.y() + 1) - 4;
    int changed = 0;
    for (int y = 0; y < kept.height(); ++y)
        for (int x = 0; x < kept.width(); ++x)
            changed += rgbAt(banded, x, y) != rgbAt(kept, x, y) ? 1 : 0;
    EXPECT_EQ(changed, outline) << "the earlier band at (180, 200) left nothing behind";

    ShownRunChart::Settle();
    EXPECT_EQ(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), banded) << "the window shows the band";
    EXPECT_EQ(shown.renders, renders) << "the band is drawn over the kept picture";
    EXPECT_FALSE(chart.PictureStale());

    shown.MoveTo(zoomFrom);
    shown.Release(Qt::LeftButton, zoomFrom);
    EXPECT_EQ(chart.WindowSurface(), kept);
    ShownRunChart::Settle();
    EXPECT_EQ(shown.renders, renders);
}

TEST(ChartMouseWidget, RightDragMovesTheBottomAxisByTheValueWidthOfThePixels)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    const TChartAxis& axis = chart.BottomAxis();
    const double valueWidth30 = axis.PixelToValue(180) - axis.PixelToValue(150);
    ASSERT_NEAR(valueWidth30, 30 * 3.0 / axis.PixelSize(), 1e-12);
    const Range leftBefore = RangeOf(chart.LeftAxis());
    int scrolls = 0;
    chart.OnScroll = [&](TCustomChart&) { ++scrolls; };

    shown.Press(Qt::RightButton, {150, 300});
    shown.MoveTo({180, 300});
    EXPECT_FALSE(axis.Automatic());
    EXPECT_DOUBLE_EQ(axis.Minimum(), 0 - valueWidth30);
    EXPECT_DOUBLE_EQ(axis.Maximum(), 3 - valueWidth30);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), leftBefore) << "no vertical move";
    // Back past the start: thirty pixels to its left.
    shown.MoveTo({120, 300});
    EXPECT_NEAR(axis.Minimum(), 0 + valueWidth30, 1e-12);
    EXPECT_NEAR(axis.Maximum(), 3 + valueWidth30, 1e-12);
    shown.Release(Qt::RightButton, {120, 300});
    EXPECT_EQ(scrolls, 2);
    EXPECT_FALSE(chart.ScrollDrag().active);
    EXPECT_FALSE(chart.RangesRestored());

    // A reverse zoom drag takes back a scroll too.
    ShownRunChart::Settle();
    shown.Drag(Qt::LeftButton, zoomTo, zoomFrom);
    EXPECT_EQ(RangeOf(axis), (Range{false, 0, 3}));
}

TEST(ChartMouseWidget, TheScrollDragEndsWhenTheMouseLeavesTheChartRectangle)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    const TChartRect area = chart.ChartArea();

    shown.Press(Qt::RightButton, {150, 300});
    shown.MoveTo({160, 300});
    ASSERT_TRUE(chart.ScrollDrag().active);
    const Range scrolled = RangeOf(chart.BottomAxis());
    shown.MoveTo({area.right, 300});
    EXPECT_FALSE(chart.ScrollDrag().active);
    shown.MoveTo({200, 300});
    EXPECT_EQ(RangeOf(chart.BottomAxis()), scrolled) << "coming back does not scroll again";
    shown.Release(Qt::RightButton, {200, 300});

    // Leaving the window ends it as well.
    shown.Press(Qt::RightButton, {150, 300});
    ASSERT_TRUE(chart.ScrollDrag().active);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    EXPECT_FALSE(chart.ScrollDrag().active);
    shown.Release(Qt::RightButton, {150, 300});
}

TEST(ChartMouseWidget, AWheelNotchTowardsTheUserMovesTheVerticalAxesUpByThreePercentOfTheirSpan)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    const QPoint at(150, 300);

    shown.Wheel(-120, at);
    EXPECT_EQ(RangeOf(chart.LeftAxis()), (Range{false, -15 + 0.9, 15 + 0.9}));
    EXPECT_EQ(RangeOf(chart.BottomAxis()), (Range{false, 0, 3}));
    // Two half notches away from the user make one.
    shown.Wheel(60, at);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().Minimum(), -14.1);
    shown.Wheel(60, at);
    EXPECT_NEAR(chart.LeftAxis().Minimum(), -15, 1e-12);
    EXPECT_NEAR(chart.LeftAxis().Maximum(), 15, 1e-12);
}

TEST(ChartMouseWidget, PressesOnTheTitleOutsideTheChartRectangleOrOnAnEmptyChartStartNothing)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    const TChartRect title = chart.Title().BlockRect();
    const QPoint onTitle((title.left + title.right) / 2, (title.top + title.bottom) / 2);
    const QPoint besideTheRectangle(chart.ChartArea().right + 5, chart.ChartArea().top + 20);
    for (const QPoint at : {onTitle, besideTheRectangle}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            shown.Press(button, at);
            EXPECT_FALSE(chart.ZoomDrag().active) << at.x() << ", " << at.y();
            EXPECT_FALSE(chart.ScrollDrag().active) << at.x() << ", " << at.y();
            shown.Release(button, at);
        }
    }

    ShownRunChart empty;
    TChart& bare = *empty.chart;
    const TChartRect area = bare.ChartArea();
    const QPoint middle((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    empty.Press(Qt::LeftButton, middle);
    EXPECT_FALSE(bare.ZoomDrag().active);
    empty.Release(Qt::LeftButton, middle);
    // On an axis a drag starts all the same.
    const QPoint onLeftAxis(area.left - 1, middle.y());
    ASSERT_EQ(bare.FindClickedPart(onLeftAxis.x(), onLeftAxis.y()).AAxis, &bare.LeftAxis());
    empty.Press(Qt::LeftButton, onLeftAxis);
    EXPECT_TRUE(bare.ZoomDrag().active);
    empty.Release(Qt::LeftButton, onLeftAxis);
}

TEST(ChartMouseWidget, TheCursorOverAPointIsTheSeriesCursorElsewhereTheChartsOwn)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    TFastLineSeries& series = shown.ShowRun();
    series.SetCursor(crHandPoint);
    chart.SetCursor(crCross);
    const QPoint onPoint(series.PointPixelX(40), series.PointPixelY(40));
    const QPoint away(chart.ChartArea().left + 5, chart.ChartArea().top + 5);

    shown.Hover(onPoint);
    EXPECT_EQ(chart.cursor().shape(), Qt::PointingHandCursor);
    shown.Hover(away);
    EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);
    shown.Hover(onPoint);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart, &leave);
    EXPECT_EQ(chart.cursor().shape(), Qt::CrossCursor);

    // A drag shows the default cursor until the mouse moves on without a button.
    shown.Press(Qt::LeftButton, away);
    EXPECT_EQ(chart.CurrentCursor(), crDefault);
    shown.Release(Qt::LeftButton, away);
    shown.Hover(away);
    EXPECT_EQ(chart.CurrentCursor(), crCross);
}
