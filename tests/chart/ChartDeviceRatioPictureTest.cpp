// The configured chart rendered into images whose device pixel ratio is 1.5
// and 2: the layout stays the logical one, every part lies on the device
// pixels of its logical place, and curves and text have the finer detail of
// the device pixels.
#include "chart/ChartCanvas.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <utility>

using platform::DeviceMapping;
using testing_support::rgbAt;

namespace {

constexpr double ratios[] = {1.5, 2.0};

// Two runs on the ranges "Start" sets; set up changes the chart first.
struct RunsChart {
    explicit RunsChart(double ratio, const std::function<void(TCustomChart&)>& setUp = {})
        : configured(ratio)
    {
        configured.AddSeries(clRed, PendulumRun(10, 300));
        configured.AddSeries(clBlue, PendulumRun(-6, 300));
        configured.SetStartRanges();
        if (setUp)
            setUp(configured.chart);
        configured.Paint();
    }
    const QImage& Image() const { return configured.window; }
    const TCustomChart& Chart() const { return configured.chart; }
    ConfiguredChart configured;
};

// First and last of a run of device pixels.
using Span = std::pair<int, int>;

// The device pixels across a line of a pen of the logical width along logical pixel p.
Span Across(const DeviceMapping& map, int p, int penWidth)
{
    const platform::PixelSpan span = platform::LineCrossSection(map.PixelLine(p, penWidth), map.PenWidth(penWidth));
    return {span.first, span.last};
}

// The first and last device pixel of the colour in a row (column) between
// first and last; INT_MAX, INT_MIN when there is none.
Span ColourIn(const QImage& image, QRgb colour, int fixed, int first, int last, bool inRow)
{
    Span span{INT_MAX, INT_MIN};
    for (int i = first; i <= last; ++i)
        if (rgbAt(image, inRow ? i : fixed, inRow ? fixed : i) == colour)
            span = {std::min(span.first, i), std::max(span.second, i)};
    return span;
}

// The bounding box of the pixels of a colour in a region.
QRect InkBox(const QImage& image, QRgb colour, const QRect& region)
{
    QRect box;
    const QRect area = region & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (rgbAt(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The device rectangle of a logical one (right and bottom exclusive).
QRect DeviceBox(const DeviceMapping& map, int left, int top, int right, int bottom)
{
    return QRect(QPoint(map.Edge(left), map.Edge(top)), QPoint(map.Edge(right) - 1, map.Edge(bottom) - 1));
}

// Pixels of the colour whose aligned 2 x 2 block is not all of that colour.
int OutsideWholeBlocks(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            int inBlock = 0;
            for (int d = 0; d < 4; ++d)
                inBlock += rgbAt(image, x + d % 2, y + d / 2) == colour;
            count += inBlock > 0 && inBlock < 4 ? inBlock : 0;
        }
    return count;
}

} // namespace

TEST(ChartDeviceRatioPicture, TheWallAndTheAxisLinesLieOnTheDevicePixelsOfTheLogicalLayout)
{
    const auto wallAlone = [](TCustomChart& chart) { chart.SetAxisVisible(false); };
    const auto axisLinesAlone = [](TCustomChart& chart) {
        chart.Frame().SetVisible(false);
        for (TCustomChartAxis* axis : {&chart.LeftAxis(), &chart.BottomAxis()}) {
            axis->Ticks().SetVisible(false);
            axis->MinorTicks().SetVisible(false);
            axis->Grid().SetVisible(false);
        }
    };
    const RunsChart singleWall(1.0, wallAlone);
    const RunsChart singleLines(1.0, axisLinesAlone);
    for (const double ratio : ratios) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const DeviceMapping map{ratio};
        // The wall: a ring a pen's device width thick inside the device box
        // of the chart rectangle, outline pixels included.
        const RunsChart wall(ratio, wallAlone);
        const TChartRect area = wall.Chart().ChartArea();
        ASSERT_EQ(area, singleWall.Chart().ChartArea());
        const QRect box = DeviceBox(map, area.left, area.top, area.right + 1, area.bottom + 1);
        const int w = map.PenWidth(1);
        const QRect inside = box.adjusted(w, w, -w, -w);
        int misplaced = 0;
        for (int y = box.top() - 1; y <= box.bottom() + 1; ++y)
            for (int x = box.left() - 1; x <= box.right() + 1; ++x) {
                const bool ring = box.contains(x, y) && !inside.contains(x, y);
                misplaced += ring != (rgbAt(wall.Image(), x, y) == Drawn(clBlack));
            }
        EXPECT_EQ(misplaced, 0);

        // The axis lines: where the ratio-1 layout puts them, their pen's
        // device width across their pixel.
        const RunsChart lines(ratio, axisLinesAlone);
        const TCustomChartAxis& left = lines.Chart().LeftAxis();
        const TCustomChartAxis& bottom = lines.Chart().BottomAxis();
        ASSERT_EQ(lines.Chart().ChartArea(), singleLines.Chart().ChartArea());
        ASSERT_EQ(left.AxisLinePos(), singleLines.Chart().LeftAxis().AxisLinePos());
        ASSERT_EQ(bottom.AxisLinePos(), singleLines.Chart().BottomAxis().AxisLinePos());
        for (const double value : {-12.5, -0.5, 7.5}) {
            const int y = map.Edge(left.ValueToPixelY(value));
            const int x = left.AxisLinePos();
            EXPECT_EQ(ColourIn(lines.Image(), Drawn(clBlack), y, map.Edge(x - 4), map.Edge(x + 4), true),
                      Across(map, x, left.Axis().Width()))
                << value;
        }
        for (const double value : {0.5, 1.5, 2.5}) {
            const int x = map.Edge(bottom.ValueToPixelX(value));
            const int y = bottom.AxisLinePos();
            EXPECT_EQ(ColourIn(lines.Image(), Drawn(clBlack), x, map.Edge(y - 4), map.Edge(y + 4), false),
                      Across(map, y, bottom.Axis().Width()))
                << value;
        }
    }
}

TEST(ChartDeviceRatioPicture, TicksAndLabelsStandWhereTheLogicalLayoutPutsThem)
{
    RunsChart single(1.0);
    for (const double ratio : ratios) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const DeviceMapping map{ratio};
        RunsChart runs(ratio);
        TCustomChart& chart = runs.configured.chart;
        TCustomChartAxis& bottom = chart.BottomAxis();
        const int line = bottom.AxisLinePos();
        const int tickRows = bottom.TickLength();
        const QRgb gray = Drawn(clGray);
        for (const double value : {0.0, 1.0, 2.0, 3.0}) {
            SCOPED_TRACE(value);
            // The tick below the line: a one-pixel pen's device width across
            // its pixel, the device rows of the logical ones it sets.
            const int p = bottom.ValueToPixelX(value);
            const Span across = Across(map, p, 1);
            for (int y = map.Edge(line + 1); y < map.Edge(line + 1 + tickRows); ++y)
                EXPECT_EQ(ColourIn(runs.Image(), gray, y, across.first - 3, across.second + 3, true), across) << y;
            EXPECT_EQ(ColourIn(runs.Image(), gray, map.Edge(line + 1 + tickRows), across.first, across.second, true).first,
                      INT_MAX);

            // The label: its ink inside the device box of its logical cell,
            // about ratio times as tall as at ratio 1.
            const QString text = QString::number(value);
            chart.SelectChartFont(bottom.LabelsFont());
            const int width = chart.Canvas().TextWidth(text);
            const int height = chart.Canvas().FontHeight();
            const int left = p - width / 2;
            const int top = bottom.LabelsPos();
            const QRect cell = DeviceBox(map, left, top, left + width, top + height);
            const QRect ink = InkBox(runs.Image(), Drawn(clBlack), cell.adjusted(-8, 0, 8, 8));
            EXPECT_TRUE(cell.contains(ink)) << "ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                            << ink.height();
            const QRect singleInk = InkBox(single.Image(), Drawn(clBlack),
                                           QRect(left - 8, top, width + 16, height + 8));
            EXPECT_NEAR(ink.height(), singleInk.height() * ratio, ratio + 1);
            EXPECT_NEAR(ink.center().x(), (map.Edge(p) + map.Edge(p + 1)) / 2.0, ratio + 1);
        }
    }
}

TEST(ChartDeviceRatioPicture, CurvesAndTextHaveTheDetailOfTheDevicePixels)
{
    const RunsChart single(1.0);
    for (const double ratio : ratios) {
        SCOPED_TRACE(testing::Message() << "ratio " << ratio);
        const RunsChart runs(ratio);
        testing_support::saveScreenshot(runs.Image(), QStringLiteral("chart_two_runs_at_ratio_%1").arg(ratio));
        // What the ratio-1 picture would give, its pixels widened.
        const QImage widened = single.Image().scaled(runs.Image().size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (const TColor colour : {clRed, clBlue}) {
            int differ = 0;
            int count = 0;
            for (int y = 0; y < runs.Image().height(); ++y)
                for (int x = 0; x < runs.Image().width(); ++x) {
                    const bool drawn = rgbAt(runs.Image(), x, y) == Drawn(colour);
                    count += drawn;
                    differ += drawn != (rgbAt(widened, x, y) == Drawn(colour));
                }
            // The title is blue too: both colours have plenty of pixels that
            // the widened picture has elsewhere or not at all.
            EXPECT_GT(count, CountColor(single.Image(), Drawn(colour)) * ratio);
            EXPECT_GT(differ, count / 4) << colour;
        }
    }
    const RunsChart doubled(2.0);
    EXPECT_GT(OutsideWholeBlocks(doubled.Image(), Drawn(clRed)), 1000) << "the curve is not all 2 x 2 blocks";
    EXPECT_GT(OutsideWholeBlocks(doubled.Image(), Drawn(clBlack)), 200) << "nor is the text";
}
