// The configured chart rendered into images of device pixel ratio 1.5 and 2:
// the layout of ratio 1, each part on the device pixels of its logical place,
// and curves and text with detail that the ratio-1 picture widened lacks.
#include "chart/ChartCanvas.h"
#include "tests/chart/AxisTestRig.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <functional>

using platform::DeviceMapping;
using testing_support::rgbAt;

namespace {

using SetUp = std::function<void(TCustomChart&)>;

// Paints two runs on the ranges "Start" sets, after setUp.
const QImage& PaintRuns(ConfiguredChart& configured, const SetUp& setUp = {})
{
    configured.AddSeries(clRed, PendulumRun(10, 300));
    configured.AddSeries(clBlue, PendulumRun(-6, 300));
    configured.SetStartRanges();
    if (setUp)
        setUp(configured.chart);
    return configured.Paint();
}

// The pixels of the region whose having the colour differs from expected(x, y).
int Misplaced(const QImage& image, TColor colour, const QRect& region, const std::function<bool(int, int)>& expected)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += (rgbAt(image, x, y) == Drawn(colour)) != expected(x, y);
    return count;
}

// The device pixels of the logical pixels of a rectangle.
QRect DeviceRect(const DeviceMapping& map, const QRect& logical)
{
    return QRect(QPoint(map.Edge(logical.left()), map.Edge(logical.top())),
                 QPoint(map.Edge(logical.right() + 1) - 1, map.Edge(logical.bottom() + 1) - 1));
}

// The device pixels across a line of a one-pixel pen along logical pixel p.
platform::PixelSpan Span(const DeviceMapping& map, int p)
{
    return platform::LineCrossSection(map.PixelLine(p, 1), map.PenWidth(1));
}

// Whether device pixel i lies across the line of a pen of the logical width along logical pixel p.
bool Across(const DeviceMapping& map, int p, int penWidth, int i)
{
    const platform::PixelSpan span = platform::LineCrossSection(map.PixelLine(p, penWidth), map.PenWidth(penWidth));
    return span.first <= i && i <= span.last;
}

const SetUp wallAlone = [](TCustomChart& chart) { chart.SetAxisVisible(false); };
const SetUp axisLinesAlone = [](TCustomChart& chart) {
    chart.Frame().SetVisible(false);
    for (TCustomChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis()}) {
        axis->Ticks().SetVisible(false);
        axis->MinorTicks().SetVisible(false);
        axis->Grid().SetVisible(false);
    }
};

} // namespace

TEST(ChartDeviceRatioPicture, WallAxisLinesTicksAndLabelsLieOnTheDevicePixelsOfTheLogicalLayout)
{
    ConfiguredChart single[3];
    PaintRuns(single[0], wallAlone);
    PaintRuns(single[1], axisLinesAlone);
    const QImage& singleRuns = PaintRuns(single[2]);
    for (const double ratio : {1.5, 2.0}) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const DeviceMapping map{ratio};
        ConfiguredChart wall(ratio);
        ConfiguredChart lines(ratio);
        ConfiguredChart runs(ratio);
        PaintRuns(wall, wallAlone);
        PaintRuns(lines, axisLinesAlone);
        PaintRuns(runs);
        ASSERT_EQ(wall.chart.ChartArea(), single[0].chart.ChartArea());
        ASSERT_EQ(lines.chart.ChartArea(), single[1].chart.ChartArea());
        ASSERT_EQ(runs.chart.ChartArea(), single[2].chart.ChartArea());

        // The wall: a ring a one-pixel pen's device width thick on the
        // device pixels of one-pixel lines along the chart rectangle's
        // outline pixels.
        const TChartRect area = wall.chart.ChartArea();
        const QRect box(QPoint(Span(map, area.left).first, Span(map, area.top).first),
                        QPoint(Span(map, area.right).last, Span(map, area.bottom).last));
        const int w = map.PenWidth(1);
        EXPECT_EQ(Misplaced(wall.window, clBlack, box.adjusted(-1, -1, 1, 1), [&](int x, int y) {
                      return box.contains(x, y) && !box.adjusted(w, w, -w, -w).contains(x, y);
                  }),
                  0);

        // The axis lines: their pen's device width across their pixel.
        const TCustomChartAxis& left = lines.chart.LeftAxis();
        const TCustomChartAxis& bottom = lines.chart.BottomAxis();
        const int x = left.AxisLinePos();
        const int y = bottom.AxisLinePos();
        EXPECT_EQ(Misplaced(lines.window, clBlack, DeviceRect(map, QRect(x - 4, left.ValueToPixelY(-12.5), 9, 1)),
                            [&](int i, int) { return Across(map, x, left.Axis().Width(), i); }),
                  0);
        EXPECT_EQ(Misplaced(lines.window, clBlack, DeviceRect(map, QRect(bottom.ValueToPixelX(2.5), y - 4, 1, 9)),
                            [&](int, int i) { return Across(map, y, bottom.Axis().Width(), i); }),
                  0);

        // Below the bottom axis: each tick a one-pixel pen's device width
        // across its pixel over the device rows of its logical ones, and the
        // label's ink inside the device box of its logical cell, about ratio
        // times as tall as at ratio 1.
        TCustomChartAxis& axis = runs.chart.BottomAxis();
        runs.chart.SelectChartFont(axis.LabelsFont());
        const QRect tickRows = DeviceRect(map, QRect(0, axis.AxisLinePos() + 1, 1, axis.TickLength()));
        for (const double value : {0.0, 1.0, 2.0, 3.0}) {
            SCOPED_TRACE(value);
            const int p = axis.ValueToPixelX(value);
            const QRect around = DeviceRect(map, QRect(p - 2, axis.AxisLinePos() + 1, 5, axis.TickLength() + 1));
            EXPECT_EQ(Misplaced(runs.window, clGray, around,
                                [&](int i, int j) { return j <= tickRows.bottom() && Across(map, p, 1, i); }),
                      0);
            const int width = runs.chart.Canvas().TextWidth(QString::number(value).toStdString());
            const QRect cell(p - width / 2, axis.LabelsPos(), width, runs.chart.Canvas().FontHeight());
            const QRect ink = axis_pixels::InkOf(runs.window, DeviceRect(map, cell.adjusted(-8, 0, 8, 8))).box;
            EXPECT_TRUE(DeviceRect(map, cell).contains(ink));
            EXPECT_NEAR(ink.height(), axis_pixels::InkOf(singleRuns, cell.adjusted(-8, 0, 8, 8)).box.height() * ratio,
                        ratio + 1);
        }
    }
}

TEST(ChartDeviceRatioPicture, CurvesAndTextHaveTheDetailOfTheDevicePixels)
{
    ConfiguredChart single;
    const QImage& singleRuns = PaintRuns(single);
    for (const double ratio : {1.5, 2.0}) {
        ConfiguredChart runs(ratio);
        const QImage& picture = PaintRuns(runs);
        testing_support::saveScreenshot(picture, QStringLiteral("chart_two_runs_at_ratio_%1").arg(ratio));
        // Plenty of the curves' pixels (and the blue title's) lie elsewhere
        // than the ratio-1 picture's pixels widened to the device size.
        const QImage widened = singleRuns.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (const TColor colour : {clRed, clBlue}) {
            const int count = CountColor(picture, Drawn(colour));
            EXPECT_GT(count, CountColor(singleRuns, Drawn(colour)) * ratio);
            const auto inWidened = [&](int x, int y) { return rgbAt(widened, x, y) == Drawn(colour); };
            EXPECT_GT(Misplaced(picture, colour, picture.rect(), inWidened), count / 4) << ratio << " " << colour;
        }
    }
    // At ratio 2 neither the curves nor the text are all 2 x 2 blocks.
    ConfiguredChart doubled(2.0);
    const QImage& picture = PaintRuns(doubled);
    for (const TColor colour : {clRed, clBlack}) {
        const auto has = [&](int x, int y) { return rgbAt(picture, x, y) == Drawn(colour); };
        const auto blockMatesHaveIt = [&](int x, int y) { return has(x ^ 1, y) && has(x, y ^ 1) && has(x ^ 1, y ^ 1); };
        EXPECT_GT(Misplaced(picture, colour, picture.rect(), blockMatesHaveIt), 200) << colour;
    }
}
