// The fast way a paint draws fast line series (pixels in bulk, segments that
// later drawing covers left out, the segments of a column merged, lines
// written straight into the bitmap) against drawing every segment of every
// series one by one through the canvas: the pictures must be the same, at a
// device pixel ratio above 1 too.
#include "chart/ChartCanvas.h"
#include "tests/chart/ChartPaintTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

// Draws the visible points the chart has just worked out as a series
// without a fast path does: in the line pen, one DrawPoint each.
class PointByPointSeries : public TFastLineSeries {
public:
    void DrawAllPoints() override
    {
        PrepareLinePen();
        TChartSeries::DrawAllPoints();
    }
};

// Draws every segment between the device positions of its points, which the
// axes work out one by one, at device resolution.
class SegmentBySegmentSeries : public TFastLineSeries {
public:
    void DrawAllPoints() override
    {
        PrepareLinePen();
        platform::Canvas& canvas = *ParentChart()->Canvas().Target();
        const DeviceLinePlacement placement = DeviceLinePlacement::ForPen(canvas.Mapping(), LinePen().Width());
        const auto at = [&](int i) {
            return QPoint(GetHorizAxis()->DeviceValueToPixelX(XValueAt(i), placement),
                          GetVertAxis()->DeviceValueToPixelY(YValueAt(i), placement));
        };
        const int first = FirstVisibleIndex();
        QPoint previous = at(first > 0 ? first - 1 : first);
        for (int i = first; i <= LastVisibleIndex(); ++i) {
            const QPoint point = at(i);
            canvas.DrawDeviceLine(previous, point);
            previous = point;
        }
    }
};

struct Line {
    TColor color;
    std::vector<QPointF> points;
    // Changes to the series after it is made (its pen, its activity).
    std::function<void(TFastLineSeries&)> adjust;
};

// Adds the lines to a chart as the given kind of series and paints it.
template <typename Series>
QImage Paint(ConfiguredChart& configured, const std::vector<Line>& lines,
             const std::function<void(TCustomChart&)>& setUp)
{
    for (const Line& line : lines) {
        auto* series = new Series;
        series->SetSeriesColor(line.color);
        for (const QPointF& p : line.points)
            series->AddPoint(p.x(), p.y());
        if (line.adjust)
            line.adjust(*series);
        series->SetParentChart(&configured.chart);
    }
    setUp(configured.chart);
    return configured.Paint().copy();
}

template <typename Reference = PointByPointSeries>
void ExpectSamePicture(const std::vector<Line>& lines, const std::function<void(TCustomChart&)>& setUp,
                       const char* scene, double ratio = 1.0)
{
    ConfiguredChart fast(ratio);
    ConfiguredChart reference(ratio);
    const QImage fastPicture = Paint<TFastLineSeries>(fast, lines, setUp);
    const QImage referencePicture = Paint<Reference>(reference, lines, setUp);
    EXPECT_EQ(fastPicture, referencePicture) << scene;
    // And again, over the picture the first paint left.
    fast.chart.RequestRepaint();
    EXPECT_EQ(fast.Paint(), referencePicture) << scene << ", second paint";
}

std::vector<QPointF> RandomWalk(unsigned seed, double from, double to, double step, double spread)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> move(0, spread);
    std::uniform_int_distribution<int> rare(0, 199);
    std::vector<QPointF> points;
    double y = 0;
    for (double x = from; x < to; x += step) {
        y += move(random);
        if (rare(random) == 0)
            y = move(random) * 1e6; // a jump far beyond the range
        points.emplace_back(x, y);
    }
    return points;
}

// Gives a series a line pen of the style, width and mode.
std::function<void(TFastLineSeries&)> Pen(TPenStyle style, int width, TPenMode mode)
{
    return [=](TFastLineSeries& series) {
        series.LinePen().SetStyle(style);
        series.LinePen().SetWidth(width);
        series.LinePen().SetMode(mode);
    };
}

const auto timeAxisAutomatic = [](TCustomChart& chart) {
    chart.LeftAxis().SetRange(-15, 15);
    chart.BottomAxis().SetAutomatic(true);
};

} // namespace

TEST(FastLinePicture, DenseRunsAsTheProgramPlotsThem)
{
    ExpectSamePicture({{clRed, PendulumRun(10, 100'000), {}}}, timeAxisAutomatic, "one run of 10^5 points");
    ExpectSamePicture({{clRed, PendulumRun(10, 20'000), {}},
                       {clGreen, PendulumRun(14, 12'000), {}},
                       {clBlue, PendulumRun(-6, 30'000), {}},
                       {clBlack, PendulumRun(10, 20'000), {}}},
                      timeAxisAutomatic, "four runs over each other");
    // The start of a run: few points per column, the time axis at 0 .. 3.
    ExpectSamePicture({{clRed, PendulumRun(10, 250), {}}, {clGreen, PendulumRun(20, 400), {}}},
                      [](TCustomChart& chart) {
                          chart.LeftAxis().SetRange(-15, 15);
                          chart.BottomAxis().SetRange(0, 3);
                      },
                      "sparse start of two runs, one beyond the angle axis");
    // Lines whose last points step up and down one column in view: the last
    // point is not drawn unless the line passed it before.
    ExpectSamePicture({{clRed, {{0, 0}, {1, -5}, {1, 8}, {1, 12}}, {}},
                       {clGreen, {{0.5, 1}, {1.5, -5}, {1.5, 8}, {1.5, 2}}, {}},
                       {clBlue, {{0.2, -9}, {1.2, -4}, {1.2, -10}}, {}}},
                      [](TCustomChart& chart) {
                          chart.LeftAxis().SetRange(-15, 15);
                          chart.BottomAxis().SetRange(0, 2);
                      },
                      "lines ending on column steps");
}

TEST(FastLinePicture, ZoomedClippedAndTurnedRanges)
{
    const std::vector<Line> lines{{clTeal, RandomWalk(3, -50, 150, 0.01, 0.4), {}},
                                  {clRed, PendulumRun(10, 15'000), {}},
                                  {clNavy, RandomWalk(4, 0, 120, 0.37, 3), {}}};
    ExpectSamePicture(lines, timeAxisAutomatic, "whole range");
    ExpectSamePicture(lines,
                      [](TCustomChart& chart) {
                          chart.LeftAxis().SetRange(-2, 3);
                          chart.BottomAxis().SetRange(20, 23.5);
                      },
                      "zoomed in");
    ExpectSamePicture(lines,
                      [](TCustomChart& chart) {
                          chart.LeftAxis().SetRange(-15, 15);
                          chart.BottomAxis().SetRange(40, 140);
                          chart.BottomAxis().SetInverted(true);
                          chart.LeftAxis().SetInverted(true);
                      },
                      "inverted axes");
    ExpectSamePicture(lines,
                      [](TCustomChart& chart) {
                          chart.LeftAxis().SetRange(-5, 5);
                          chart.BottomAxis().SetRange(10, 60);
                          chart.SetClipPoints(false);
                      },
                      "without clipping");
}

TEST(FastLinePicture, PensThatCannotLeaveSegmentsOutAmongPlainOnes)
{
    ExpectSamePicture({{clRed, PendulumRun(10, 8'000), {}},
                       {clFuchsia, RandomWalk(5, 0, 80, 0.01, 0.3), Pen(psSolid, 1, pmNotXor)},
                       {clGreen, PendulumRun(12, 8'000), Pen(psDot, 1, pmCopy)},
                       {clOlive, PendulumRun(-7, 5'000), Pen(psSolid, 2, pmCopy)},
                       {clBlue, RandomWalk(6, 0, 80, 0.05, 1), {}},
                       {clNavy, PendulumRun(5, 8'000), [](TFastLineSeries& s) { s.SetActive(false); }},
                       {clBlack, PendulumRun(3, 8'000), [](TFastLineSeries& s) { s.LinePen().SetVisible(false); }},
                       {clMaroon, PendulumRun(9, 8'000), {}}},
                      timeAxisAutomatic, "mixed pens");
}

TEST(FastLinePicture, ChartRectanglesOnlyARowHigh)
{
    // Chart heights from where the axes and the title leave no room up to
    // the first that leaves the chart rectangle one row high inside the
    // picture, where the series clip is turned round. A small chart's layout follows its last
    // paint, so both charts are compared on their second paint.
    const std::vector<Line> lines{{clRed, PendulumRun(10, 1'000), {}}, {clBlue, RandomWalk(7, 0, 20, 0.1, 2), {}}};
    bool oneRowHigh = false;
    for (int height = 12; height <= 100 && !oneRowHigh; ++height) {
        const auto setUp = [height](TCustomChart& chart) {
            chart.SetClientSize(300, height);
            chart.LeftAxis().SetRange(-15, 15);
            chart.BottomAxis().SetRange(0, 20);
        };
        ConfiguredChart fast;
        ConfiguredChart reference;
        Paint<TFastLineSeries>(fast, lines, setUp);
        Paint<PointByPointSeries>(reference, lines, setUp);
        fast.chart.RequestRepaint();
        reference.chart.RequestRepaint();
        EXPECT_EQ(fast.Paint(), reference.Paint()) << "height " << height;
        oneRowHigh = fast.chart.ChartHeight() == 1 && fast.chart.ChartArea().bottom < height;
    }
    EXPECT_TRUE(oneRowHigh);
}

TEST(FastLinePicture, AtDeviceResolutionTheSameAsEverySegmentBetweenDevicePositions)
{
    const std::vector<Line> runs{{clRed, PendulumRun(10, 30'000), {}},
                                 {clTeal, RandomWalk(3, -50, 150, 0.01, 0.4), {}},
                                 {clOlive, PendulumRun(-7, 5'000), Pen(psSolid, 2, pmCopy)},
                                 {clFuchsia, RandomWalk(5, 0, 80, 0.01, 0.3), Pen(psSolid, 1, pmNotXor)},
                                 {clGreen, PendulumRun(12, 8'000), Pen(psDot, 1, pmCopy)},
                                 {clBlack, PendulumRun(10, 20'000), {}}};
    const auto zoomedTurnedUnclipped = [](TCustomChart& chart) {
        chart.LeftAxis().SetRange(-2, 3);
        chart.BottomAxis().SetRange(20, 23.5);
        chart.BottomAxis().SetInverted(true);
        chart.SetClipPoints(false);
    };
    for (const double ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        ExpectSamePicture<SegmentBySegmentSeries>(runs, timeAxisAutomatic, "dense runs, mixed pens", ratio);
        ExpectSamePicture<SegmentBySegmentSeries>(runs, zoomedTurnedUnclipped, "zoomed, turned, unclipped", ratio);
    }
}
