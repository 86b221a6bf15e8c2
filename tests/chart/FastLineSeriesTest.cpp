#include "chart/ChartCanvas.h"
#include "platform/qt/QtCanvasTarget.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/chart/ChartTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <random>

using testing_support::rgbAt;

namespace {

// Draws the series' visible points onto a white copy of the window, clipped
// as the chart clips them, either as one strip or point by point.
enum class DrawMode { Strip, PointByPoint };
QImage DrawAlone(ConfiguredChart& configured, TFastLineSeries& series, DrawMode mode)
{
    configured.windowCanvas.Unbind();
    configured.window.fill(Qt::white);
    platform::qt::BindImage(configured.windowCanvas, &configured.window);
    TCustomChart& chart = configured.chart;
    series.ComputeVisibleRange();
    chart.ClipSeriesArea();
    if (mode == DrawMode::Strip) {
        series.DrawAllPoints();
    } else {
        series.PrepareLinePen();
        for (int i = series.FirstVisibleIndex(); i <= series.LastVisibleIndex(); ++i)
            series.DrawPoint(i);
    }
    chart.ReleaseClip();
    return configured.window.copy();
}

// A line that draws its own way, through DrawAllPoints: here it only counts.
class OwnWayLine : public TFastLineSeries {
public:
    void DrawAllPoints() override { ++drawn; }
    TFastLineSeries* StripLine() override { return nullptr; }
    int drawn = 0;
};

} // namespace

TEST(FastLineSeries, LinePenAndSeriesColourStayEqual)
{
    TFastLineSeries series;
    EXPECT_EQ(series.SeriesColor(), clDefault);
    EXPECT_EQ(series.LinePen().Color(), clBlack);
    EXPECT_TRUE(series.AutoRepaint());

    series.SetSeriesColor(clRed);
    EXPECT_EQ(series.LinePen().Color(), clRed);

    TChartPen blue;
    blue.SetColor(clBlue);
    blue.SetWidth(3);
    series.SetLinePen(blue);
    EXPECT_EQ(series.SeriesColor(), clBlue);
    EXPECT_EQ(series.LinePen().Width(), 3);

    series.LinePen().SetColor(clGreen);
    EXPECT_EQ(series.SeriesColor(), clGreen);
}

TEST(FastLineSeries, AttachingGivesTheLineThePaletteColour)
{
    TCustomChart chart;
    auto* series = new TFastLineSeries;
    series->SetParentChart(&chart);
    EXPECT_EQ(series->SeriesColor(), clRed);
    EXPECT_EQ(series->LinePen().Color(), clRed);
    // A pen change reaches the chart as a repaint request.
    const RepaintCounter repaints(chart);
    series->LinePen().SetWidth(2);
    EXPECT_GT(repaints.Count(), 0);
}

TEST(FastLineSeries, OnlyTheVisibleStretchAndItsNeighboursAreDrawn)
{
    ConfiguredChart configured;
    // Steps up and down, so every segment has columns of its own.
    TFastLineSeries& series = configured.AddSeries(clRed,
        {{0, -12}, {0.7, 12}, {1.4, -12}, {2.1, 12}, {2.8, -12}, {3.5, 12}, {4.2, -12}});
    configured.chart.LeftAxis().SetRange(-15, 15);
    configured.chart.BottomAxis().SetRange(1, 3);
    // A narrow plot in the middle, drawn without clipping, so the segments
    // beyond it show on the control where they run.
    configured.chart.SetMarginLeft(40);
    configured.chart.SetMarginRight(40);
    configured.chart.SetClipPoints(false);
    const QImage& image = configured.Paint();
    EXPECT_EQ(series.FirstVisibleIndex(), 2);
    EXPECT_EQ(series.LastVisibleIndex(), 5);

    const TChartAxis& bottom = configured.chart.BottomAxis();
    const TChartAxis& left = configured.chart.LeftAxis();
    const TChartRect area = configured.chart.ChartArea();
    const QRgb red = Drawn(clRed);
    const auto redInColumn = [&](double x) {
        const int column = bottom.ValueToPixelX(x);
        EXPECT_TRUE(column >= 0 && column < image.width()) << x;
        for (int y = area.top; y < area.bottom; ++y)
            if (rgbAt(image, column, y) == red)
                return true;
        return false;
    };
    EXPECT_FALSE(redInColumn(0.35)); // 0 - 0.7: not drawn
    EXPECT_TRUE(redInColumn(1.05));  // 0.7 - 1.4: enters the plot
    EXPECT_TRUE(redInColumn(3.15));  // 2.8 - 3.5: leaves the plot
    EXPECT_FALSE(redInColumn(3.85)); // 3.5 - 4.2: not drawn
    EXPECT_EQ(series.LastPixelX(), bottom.ValueToPixelX(3.5));
    EXPECT_EQ(series.LastPixelY(), left.ValueToPixelY(12));
}

TEST(FastLineSeries, RepeatedPixelsAreSkippedAndOnePointDrawsNothing)
{
    ConfiguredChart configured;
    configured.SetStartRanges();
    TFastLineSeries& series = configured.AddSeries(clRed, {{1, 0}});
    EXPECT_EQ(CountColor(configured.Paint(), Drawn(clRed)), 0);

    // A second point on the first one's pixel, then a third elsewhere: one
    // segment, the same as from the first point to the third.
    series.AddPoint(1.0001, 0.0001);
    series.AddPoint(2, 10);
    const QImage skipped = configured.Paint().copy();
    EXPECT_EQ(series.LastPixelX(), configured.chart.BottomAxis().ValueToPixelX(2));
    series.DeletePoint(1);
    EXPECT_EQ(configured.Paint(), skipped);
    EXPECT_GT(CountColor(skipped, Drawn(clRed)), 0);
}

TEST(FastLineSeries, DrawingWithAVisibleRangeFromBeforeADeletionStaysInTheList)
{
    ConfiguredChart configured;
    configured.SetStartRanges();
    TFastLineSeries& series = configured.AddSeries(clRed, {{0, 0}, {1, 5}, {2, -5}, {2.5, 0}});
    configured.Paint();
    ASSERT_EQ(series.LastVisibleIndex(), 3);
    series.DeletePoint(3);
    series.DeletePoint(2);
    series.DrawAllPoints();
    EXPECT_EQ(series.LastVisibleIndex(), 1);
    EXPECT_EQ(series.LastPixelX(), configured.chart.BottomAxis().ValueToPixelX(1));
}

TEST(FastLineSeries, AnInvisiblePenDrawsNothingButThePointsStillCount)
{
    ConfiguredChart configured;
    TFastLineSeries& series = configured.AddSeries(clRed, {{0, -5}, {7, 5}, {9, 0}});
    series.AddPoint(10, 0, {}, clNone);
    series.LinePen().SetVisible(false);
    EXPECT_EQ(CountColor(configured.Paint(), Drawn(clRed)), 0);
    EXPECT_EQ(configured.chart.BottomAxis().Maximum(), 10);

    // A null point is joined like any other.
    series.LinePen().SetVisible(true);
    configured.chart.SetClipPoints(false);
    const QImage& image = configured.Paint();
    const int column = configured.chart.BottomAxis().ValueToPixelX(9.5);
    bool found = false;
    for (int y = 0; y < image.height(); ++y)
        found = found || rgbAt(image, column, y) == Drawn(clRed);
    EXPECT_TRUE(found);
}

TEST(FastLineSeries, WithoutAutoRepaintANewPointIsDrawnAtOnce)
{
    ConfiguredChart configured;
    configured.SetStartRanges();
    TFastLineSeries& series = configured.AddSeries(clRed, {{0, 0}, {1, 5}});
    const QImage before = configured.Paint().copy();
    ASSERT_FALSE(configured.chart.PictureStale());

    series.SetAutoRepaint(false);
    int afterAdd = 0;
    series.OnAfterAdd = [&](TChartSeries&, int) { ++afterAdd; };
    const RepaintCounter repaints(configured.chart);
    series.AddPoint(2, -10);
    EXPECT_EQ(repaints.Count(), 0);
    EXPECT_EQ(afterAdd, 0);
    EXPECT_FALSE(configured.chart.PictureStale());
    const int added = CountColor(configured.window, Drawn(clRed)) - CountColor(before, Drawn(clRed));
    EXPECT_GT(added, 5);
    EXPECT_EQ(series.LastPixelX(), configured.chart.BottomAxis().ValueToPixelX(2));

    // With AutoRepaint a point waits for the next paint.
    series.SetAutoRepaint(true);
    const QImage shown = configured.window.copy();
    series.AddPoint(2.5, 10);
    EXPECT_EQ(configured.window, shown);
    EXPECT_EQ(repaints.Count(), 1);
    EXPECT_EQ(afterAdd, 1);
}

TEST(FastLineSeries, TheStripGivesThePixelsOfEverySegmentDrawnAlone)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> jump(-40, 40);
    std::uniform_int_distribution<int> repeats(0, 4);
    ConfiguredChart configured;
    configured.chart.LeftAxis().SetRange(-15, 15);
    configured.chart.BottomAxis().SetRange(10, 40);
    // A random walk with big jumps, repeated values and stretches beyond
    // both ends of both axes.
    std::vector<QPointF> points;
    double y = 0;
    for (double x = -5; x < 55; x += 0.01 + std::abs(jump(random)) * 0.002) {
        y = std::abs(jump(random)) > 38 ? jump(random) * 5 : y + jump(random) * 0.05;
        for (int r = repeats(random); r >= 0; --r)
            points.emplace_back(x, y);
    }
    TFastLineSeries& series = configured.AddSeries(clBlack, points);
    configured.Paint();

    const QImage strip = DrawAlone(configured, series, DrawMode::Strip);
    const QImage pointByPoint = DrawAlone(configured, series, DrawMode::PointByPoint);
    EXPECT_GT(CountColor(strip, Drawn(clBlack)), 1000);
    EXPECT_EQ(strip, pointByPoint);

    // Masking black onto white sets the same pixels as copying, but not
    // through the direct line path.
    series.LinePen().SetMode(pmMask);
    const QImage general = DrawAlone(configured, series, DrawMode::Strip);
    EXPECT_EQ(strip, general);
}

TEST(FastLineSeries, TheHitTestFindsPointsAndTheSegmentsBetweenThem)
{
    ConfiguredChart configured;
    configured.SetStartRanges();
    TFastLineSeries& series = configured.AddSeries(clRed, {{0, 0}, {1, 0}, {2, 10}});
    EXPECT_EQ(series.HitTest(0, 0), -1); // no paint yet: nothing visible
    configured.Paint();
    const TChartAxis& bottom = configured.chart.BottomAxis();
    const TChartAxis& left = configured.chart.LeftAxis();
    const int y0 = left.ValueToPixelY(0);
    EXPECT_EQ(series.HitTest(bottom.ValueToPixelX(1), y0), 1);
    EXPECT_EQ(series.HitTest(bottom.ValueToPixelX(0.5), y0), 0);
    EXPECT_EQ(series.HitTest(bottom.ValueToPixelX(0.5), y0 + 1), -1);
    EXPECT_EQ(series.HitTest(bottom.ValueToPixelX(2), left.ValueToPixelY(10)), 2);
}

TEST(FastLineSeries, LeavingOutCoveredSegmentsKeepsThePicture)
{
    std::mt19937 random(99);
    std::uniform_real_distribution<double> step(-3, 3);
    const auto randomWalk = [&](double start, double spread) {
        std::vector<QPointF> points;
        double y = start;
        for (double x = -2; x < 14; x += 0.004) {
            y += step(random) * spread;
            if (std::abs(step(random)) > 2.95)
                y = step(random) * 20; // a jump far beyond the range
            points.emplace_back(x, y);
        }
        return points;
    };
    const std::vector<QPointF> pendulum = PendulumRun(10, 1200);

    for (const bool clip : {true, false}) {
        ConfiguredChart configured;
        configured.chart.LeftAxis().SetRange(-15, 15);
        configured.chart.BottomAxis().SetRange(0, 12);
        configured.chart.SetClipPoints(clip);
        configured.AddSeries(clRed, pendulum);
        configured.AddSeries(clGreen, randomWalk(0, 0.5));
        configured.AddSeries(clBlue, pendulum);
        TFastLineSeries& inverting = configured.AddSeries(clFuchsia, randomWalk(5, 0.3));
        inverting.LinePen().SetMode(pmNotXor);
        configured.AddSeries(clTeal, randomWalk(-5, 2));
        TFastLineSeries& wide = configured.AddSeries(clOlive, PendulumRun(-7, 900));
        wide.LinePen().SetWidth(2);
        configured.AddSeries(clBlack, pendulum);
        configured.AddSeries(clNavy, randomWalk(1, 0.05)).SetActive(false);
        const QImage left = configured.Paint().copy();

        // A drawing handler makes the paint draw every segment as it comes.
        configured.chart.SeriesAt(0)->BeforeDrawValues = [](TChartSeries&) {};
        configured.chart.RequestRepaint();
        EXPECT_EQ(configured.Paint(), left) << "clip " << clip;
    }
}

TEST(FastLineSeries, ALineDrawnItsOwnWayHidesNothingOfTheSeriesBeforeIt)
{
    const std::vector<QPointF> pendulum = PendulumRun(10, 1200);
    const auto redPixels = [&](bool ownWayOnTop) {
        ConfiguredChart configured;
        configured.SetStartRanges();
        configured.AddSeries(clRed, pendulum);
        auto* own = new OwnWayLine;
        if (ownWayOnTop) {
            own->SetSeriesColor(clBlue);
            for (const QPointF& p : pendulum)
                own->AddPoint(p.x(), p.y());
            own->SetParentChart(&configured.chart);
        }
        const int red = CountColor(configured.Paint(), Drawn(clRed));
        EXPECT_EQ(own->drawn, ownWayOnTop ? 1 : 0);
        if (!ownWayOnTop)
            delete own;
        return red;
    };
    const int alone = redPixels(false);
    EXPECT_GT(alone, 2000);
    EXPECT_EQ(redPixels(true), alone) << "the line on top drew nothing, so all of the red line shows";
}
