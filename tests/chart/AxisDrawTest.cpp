#include "tests/chart/AxisTestRig.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace axis_pixels;

namespace {

// The program's chart: 498 x 690 pixels, chart rectangle (15, 28, 483, 662)
// before the axes take their room.
constexpr TChartRect programArea{15, 28, 483, 662};

// Records the texts of the value labels one axis formats.
class LabelRecorder {
public:
    LabelRecorder(TCustomAxisPanel& chart, const TCustomChartAxis& axis)
    {
        chart.OnGetAxisLabel = [this, &axis](const TCustomChartAxis& sender, TChartSeries*, int, std::string& text) {
            if (&sender == &axis)
                texts.push_back(text);
        };
    }
    std::vector<std::string> texts;
};

// A run's setup: a series on the bottom and left axes, bottom 0 .. 3, left -15 .. 15.
void SetUpRun(AxisRig& rig)
{
    rig.AddSeries();
    AxisRig::SetManualRange(rig.chart.BottomAxis(), 0, 3);
    AxisRig::SetManualRange(rig.chart.LeftAxis(), -15, 15);
}

// The ink of a one-line label cell: the text's width around its anchor
// column, the font height from its top row.
Ink LabelInk(const QImage& image, int left, int top, int width, int height)
{
    return InkOf(image, QRect(left, top, width, height));
}

} // namespace

TEST(AxisDraw, BottomAxisZeroToThreeHasFourLabelsAndThreeMinorTicksBetweenNeighbours)
{
    AxisRig rig;
    SetUpRun(rig);
    rig.chart.LeftAxis().SetVisible(false);
    TChartAxis& bottom = rig.chart.BottomAxis();
    rig.Paint(); // the first paint knows no axis length yet
    LabelRecorder recorder(rig.chart, bottom);
    rig.Paint();
    testing_support::saveScreenshot(rig.Image(), QStringLiteral("axis_bottom_0_3"));

    // The step is measured on the labels of both ends first; then the labels
    // run from the top of the range down.
    EXPECT_EQ(recorder.texts, (std::vector<std::string>{"3", "0", "3", "2", "1", "0"}));

    const int line = bottom.AxisLinePos();
    EXPECT_EQ(line, rig.chart.ChartArea().bottom);
    std::vector<int> labelled;
    for (const double v : {0.0, 1.0, 2.0, 3.0})
        labelled.push_back(bottom.ValueToPixel(v));
    EXPECT_EQ(labelled.front(), bottom.PixelStart());
    EXPECT_EQ(labelled.back(), bottom.PixelEnd());

    // Ticks reach 4 pixels from one pixel below the line; minor ticks 2.
    EXPECT_EQ(RowPositions(rig.Image(), line + 4, gray), labelled);
    EXPECT_EQ(RowPositions(rig.Image(), line + 3, gray), labelled);
    EXPECT_TRUE(RowPositions(rig.Image(), line + 5, gray).empty());
    const std::vector<int> minorRow = RowPositions(rig.Image(), line + 1, gray);
    EXPECT_EQ(minorRow, RowPositions(rig.Image(), line + 2, gray));
    ASSERT_EQ(minorRow.size(), 4u + 3 * 3);
    EXPECT_EQ(minorRow.front(), labelled.front()); // none outside 0 .. 3
    EXPECT_EQ(minorRow.back(), labelled.back());
    for (std::size_t i = 0; i < labelled.size(); ++i)
        EXPECT_EQ(minorRow[i * 4], labelled[i]); // three between each pair

    // Each label is centred under its tick with its top 6 pixels below the line.
    EXPECT_EQ(bottom.LabelsPos(), line + 6);
    const int height = rig.FontHeight(bottom.LabelsFont());
    for (const double v : {0.0, 1.0, 2.0, 3.0}) {
        SCOPED_TRACE(v);
        const std::string text = QString::number(v).toStdString();
        const int width = rig.TextWidth(bottom.LabelsFont(), text);
        const int left = bottom.ValueToPixel(v) - width / 2;
        EXPECT_EQ(LabelInk(rig.Image(), left - 8, bottom.LabelsPos(), width + 16, height),
            ReferenceInk(bottom.LabelsFont(), text, left, bottom.LabelsPos(), rig.Image().size()));
    }
}

TEST(AxisDraw, DeflectionAxisIsLabelledFromFifteenDownToMinusFifteen)
{
    AxisRig rig(498, 690);
    SetUpRun(rig);
    TChartAxis& left = rig.chart.LeftAxis();
    rig.Paint(programArea);
    LabelRecorder recorder(rig.chart, left);
    rig.Paint(programArea);

    ASSERT_GE(recorder.texts.size(), 3u);
    EXPECT_EQ(recorder.texts[2], "15");
    EXPECT_EQ(recorder.texts.back(), "-15");
    EXPECT_EQ(recorder.texts.size(), 2u + 31); // every degree fits

    // The minimum has its tick (pointing left from one pixel off the line).
    const int line = left.AxisLinePos();
    const int bottomEnd = left.PixelEnd();
    EXPECT_EQ(left.ValueToPixel(-15), bottomEnd);
    for (int x = line - 4; x <= line - 1; ++x)
        EXPECT_EQ(At(rig.Image(), x, bottomEnd), gray) << x;
    EXPECT_NE(At(rig.Image(), line - 5, bottomEnd), gray);

    // Labels end 6 pixels left of the line, their top half a font height above the tick.
    EXPECT_EQ(left.LabelsPos(), line - 6);
    const int height = rig.FontHeight(left.LabelsFont());
    for (const double v : {-15.0, 0.0, 15.0}) {
        SCOPED_TRACE(v);
        const std::string text = QString::number(v).toStdString();
        const int width = rig.TextWidth(left.LabelsFont(), text);
        const int top = left.ValueToPixel(v) - height / 2;
        EXPECT_EQ(LabelInk(rig.Image(), left.LabelsPos() - width - 6, top, width + 6, height),
            ReferenceInk(left.LabelsFont(), text, left.LabelsPos() - width, top, rig.Image().size()));
    }
}

// The grid line of -15 falls on the bottom axis line: it is left out, so that
// the line stays solid; the label and the tick stay. With the bottom axis
// line hidden the grid line shows. Grid lines that reach into their own
// axis's line end under it.
TEST(AxisDraw, GridLinesOnACrossingAxisLineAreLeftOut)
{
    for (const int penWidth : {2, 1, 5}) {
        SCOPED_TRACE(penWidth);
        AxisRig rig(498, 690);
        SetUpRun(rig);
        TChartAxis& left = rig.chart.LeftAxis();
        TChartAxis& bottom = rig.chart.BottomAxis();
        bottom.Axis().SetWidth(penWidth);
        left.Axis().SetWidth(penWidth);
        rig.Paint(programArea);
        rig.Paint(programArea);
        // The gray pixels of a row across the plot.
        const auto grayAcrossThePlot = [&](int y) {
            int count = 0;
            for (int x = bottom.PixelStart(); x < bottom.PixelEnd(); ++x)
                count += At(rig.Image(), x, y) == gray ? 1 : 0;
            return count;
        };

        const int minimumRow = left.ValueToPixel(-15);
        ASSERT_EQ(minimumRow, bottom.AxisLinePos());
        const platform::PixelSpan rows = platform::LineCrossSection(bottom.AxisLinePos(), penWidth);
        // Below the axis row the ticks of the bottom axis begin.
        for (int y = rows.first; y <= bottom.AxisLinePos(); ++y)
            EXPECT_EQ(grayAcrossThePlot(y), 0) << "row " << y;
        EXPECT_GT(grayAcrossThePlot(left.ValueToPixel(-14)), 100) << "grid lines off the axis line stay";
        // The left axis line is drawn over the first pixels of its grid lines.
        for (int degrees = -14; degrees <= 15; ++degrees)
            EXPECT_EQ(At(rig.Image(), left.AxisLinePos(), left.ValueToPixel(degrees)), black) << degrees;

        // The tick of -15 left of the left axis line, that of 0 s below the bottom one.
        const platform::PixelSpan columns = platform::LineCrossSection(left.AxisLinePos(), penWidth);
        EXPECT_EQ(At(rig.Image(), columns.first - 2, minimumRow), gray);
        EXPECT_EQ(At(rig.Image(), bottom.ValueToPixel(0), rows.last + 2), gray);

        bottom.Axis().SetVisible(false);
        rig.Paint(programArea);
        // (The axis band is narrower now: the plot reaches lower.)
        EXPECT_GT(grayAcrossThePlot(left.ValueToPixel(-15)), 100) << "nothing to hide under";
    }
}

TEST(AxisDraw, EmptyChartShowsFourAxisLinesAndTheTitlesOnly)
{
    AxisRig rig;
    TChartAxis& bottom = rig.chart.BottomAxis();
    TChartAxis& left = rig.chart.LeftAxis();
    bottom.Title().SetCaption(std::string("t [s]"));
    left.Title().SetCaption(std::string("fi [°]"));
    const TChartRect area{40, 30, 380, 280};
    rig.chart.SetChartArea(area);
    for (TCustomChartAxis* axis : rig.chart.AxisList())
        axis->ComputeRange();

    const int labelsHeight = rig.FontHeight(bottom.LabelsFont());
    const int titleHeight = rig.FontHeight(bottom.Title().Font());
    const auto claimed = [&](TCustomChartAxis& axis) {
        TChartRect rect = area;
        axis.ClaimAxisSpace(rect, true);
        return rect;
    };
    EXPECT_EQ(claimed(bottom), (TChartRect{40, 30, 380, 280 - titleHeight - labelsHeight - 6}));
    EXPECT_EQ(claimed(rig.chart.TopAxis()), (TChartRect{40, 30 + labelsHeight + 6, 380, 280}));
    EXPECT_EQ(claimed(left), (TChartRect{40 + titleHeight + 6, 30, 380, 280}));
    EXPECT_EQ(claimed(rig.chart.RightAxis()), (TChartRect{40, 30, 380 - 6, 280}));

    rig.Paint(area);
    testing_support::saveScreenshot(rig.Image(), QStringLiteral("axis_empty_chart"));
    const TChartRect plot = rig.chart.ChartArea();
    // No labels, ticks or grid: nothing gray, and no ink in the label bands.
    EXPECT_TRUE(InkOf(rig.Image(), rig.Image().rect(), gray).box.isEmpty());
    EXPECT_TRUE(InkOf(rig.Image(), QRect(plot.left + 2, area.top, plot.Width() - 4, plot.top - area.top - 2)).box.isEmpty());
    EXPECT_TRUE(InkOf(rig.Image(), QRect(plot.right + 2, plot.top + 2, area.right - plot.right, plot.Height() - 4))
                    .box.isEmpty());
    // The lines lie on the chart rectangle's edges.
    EXPECT_EQ(At(rig.Image(), plot.left + plot.Width() / 2, plot.bottom), black);
    EXPECT_EQ(At(rig.Image(), plot.right, plot.top + plot.Height() / 2), black);

    // The bottom title hangs centred under the axis from TitlePos; the left
    // title runs upward, centred on the axis, with the bottom of its text box at TitlePos.
    const std::string bottomTitle = bottom.Title().Caption();
    const int bottomWidth = rig.TextWidth(bottom.Title().Font(), bottomTitle);
    EXPECT_EQ(InkOf(rig.Image(), QRect(plot.left, bottom.TitlePos(), plot.Width(), titleHeight)),
        ReferenceInk(bottom.Title().Font(), bottomTitle, bottom.PixelCenter() - bottomWidth / 2, bottom.TitlePos(),
            rig.Image().size()));
    const std::string leftTitle = left.Title().Caption();
    const int leftWidth = rig.TextWidth(left.Title().Font(), leftTitle);
    EXPECT_EQ(left.TitlePos(), area.left + titleHeight);
    EXPECT_EQ(InkOf(rig.Image(), QRect(area.left - 4, plot.top, left.TitlePos() - area.left + 4, plot.Height())),
        ReferenceInk(left.Title().Font(), leftTitle, left.TitlePos() - titleHeight, left.PixelCenter() + leftWidth / 2,
            rig.Image().size(), 90));
}

namespace {

// The bottom axis of a run, 0 .. 3, drawn alone.
struct BottomAxisOnly {
    BottomAxisOnly()
    {
        SetUpRun(rig);
        rig.chart.LeftAxis().SetVisible(false);
        rig.Paint();
    }
    // The columns a vertical line of the colour crosses inside the chart rectangle.
    std::vector<int> ColumnsWithColour(QRgb colour)
    {
        const TChartRect plot = rig.chart.ChartArea();
        std::vector<int> columns;
        for (int x = 0; x < rig.Image().width(); ++x) {
            if (!InkOf(rig.Image(), QRect(x, plot.top, 1, plot.Height() - 2), colour).box.isEmpty())
                columns.push_back(x);
        }
        return columns;
    }
    std::vector<int> Pixels(std::initializer_list<double> values)
    {
        std::vector<int> pixels;
        for (const double v : values)
            pixels.push_back(axis.ValueToPixel(v));
        std::sort(pixels.begin(), pixels.end());
        return pixels;
    }
    std::vector<int> TickRow() { return RowPositions(rig.Image(), axis.AxisLinePos() + 3, gray); }

    AxisRig rig;
    TChartAxis& axis = rig.chart.BottomAxis();
};

} // namespace

TEST(AxisDraw, LabelsOnAxisFalseDropsTheEndLabelsAndTheirTicks)
{
    BottomAxisOnly bottom;
    bottom.axis.SetLabelsOnAxis(false);
    LabelRecorder recorder(bottom.rig.chart, bottom.axis);
    bottom.rig.Paint();
    EXPECT_EQ(recorder.texts, (std::vector<std::string>{"3", "0", "2", "1"}));
    EXPECT_EQ(bottom.TickRow(), bottom.Pixels({1, 2}));
    EXPECT_EQ(bottom.ColumnsWithColour(gray), bottom.Pixels({1, 2}));
}

TEST(AxisDraw, GridLinesStandAtTheTicksOrHalfWayBetweenThem)
{
    BottomAxisOnly bottom;
    EXPECT_EQ(bottom.ColumnsWithColour(gray), bottom.Pixels({0, 1, 2, 3}));

    bottom.axis.SetGridCentered(true);
    bottom.rig.Paint();
    const std::vector<int> ticks = bottom.Pixels({0, 1, 2, 3});
    std::vector<int> halfway;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        halfway.push_back(static_cast<int>(std::nearbyint((ticks[i] + ticks[i - 1]) * 0.5)));
    EXPECT_EQ(bottom.ColumnsWithColour(gray), halfway);
    EXPECT_EQ(bottom.TickRow(), ticks); // the ticks stay where they are
}

TEST(AxisDraw, DottedGridLeavesItsGapsAloneAndDrawsTheDefaultColourGray)
{
    BottomAxisOnly bottom;
    bottom.axis.Grid().SetColor(clDefault);
    const TChartRect plot = bottom.rig.chart.ChartArea();
    bottom.rig.Image().fill(QColor(0xFF, 0xFF, 0x00));
    bottom.axis.DrawAxis(true);
    const int x = bottom.axis.ValueToPixel(1);
    int dots = 0;
    int gaps = 0;
    for (int y = plot.top; y < plot.bottom - 1; ++y) {
        const QRgb pixel = At(bottom.rig.Image(), x, y);
        dots += pixel == gray;
        gaps += pixel == 0xFFFF00;
    }
    EXPECT_EQ(dots + gaps, plot.Height() - 1);
    EXPECT_GT(dots, plot.Height() / 4);
    EXPECT_GT(gaps, plot.Height() / 4);
}

TEST(AxisDraw, InnerTicksPointIntoTheChartAndMinorGridFollowsTheMinorTicks)
{
    BottomAxisOnly bottom;
    bottom.axis.Grid().SetVisible(false);
    bottom.axis.SetTickInnerLength(3);
    bottom.axis.MinorGrid().SetVisible(true);
    bottom.axis.MinorGrid().SetColor(clRed);
    bottom.rig.Paint();
    const int line = bottom.axis.AxisLinePos();
    const std::vector<int> ticks = bottom.Pixels({0, 1, 2, 3});
    // From one pixel above the line, 3 long; the line's own pixels lie under the first.
    EXPECT_EQ(RowPositions(bottom.rig.Image(), line - 2, gray), ticks);
    EXPECT_EQ(RowPositions(bottom.rig.Image(), line - 3, gray), ticks);
    EXPECT_TRUE(RowPositions(bottom.rig.Image(), line - 4, gray).empty());
    // The minor grid: one line per minor tick, none at the ticks.
    std::vector<int> minor = RowPositions(bottom.rig.Image(), line + 1, gray);
    std::erase_if(minor, [&](int x) { return std::find(ticks.begin(), ticks.end(), x) != ticks.end(); });
    EXPECT_EQ(minor.size(), 9u);
    EXPECT_EQ(bottom.ColumnsWithColour(qRgb(0xFF, 0, 0) & 0xFFFFFF), minor);
}

TEST(AxisDraw, TicksFollowTheLabelsUnlessTickOnLabelsOnlyIsOff)
{
    BottomAxisOnly bottom;
    bottom.axis.SetLabels(false);
    bottom.rig.Paint();
    EXPECT_TRUE(bottom.TickRow().empty());
    EXPECT_TRUE(bottom.ColumnsWithColour(gray).empty());
    EXPECT_TRUE(InkOf(bottom.rig.Image(), QRect(0, bottom.axis.AxisLinePos() + 3, 420, 40)).box.isEmpty());

    bottom.axis.SetTickOnLabelsOnly(false);
    bottom.rig.Paint();
    EXPECT_EQ(bottom.TickRow(), bottom.Pixels({0, 1, 2, 3}));
    EXPECT_TRUE(InkOf(bottom.rig.Image(), QRect(0, bottom.axis.AxisLinePos() + 3, 420, 40)).box.isEmpty());
}

TEST(AxisDraw, TheChartMaySupplyTheLabelValues)
{
    BottomAxisOnly bottom;
    TCustomAxisPanel& chart = bottom.rig.chart;
    std::vector<int> asked;
    chart.OnGetNextAxisLabel = [&](const TCustomChartAxis&, int index, double& value, bool& stop) {
        asked.push_back(index);
        value = 0.5 + index;
        stop = index == 3;
    };
    LabelRecorder recorder(chart, bottom.axis);
    bottom.rig.Paint();
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(recorder.texts, (std::vector<std::string>{"3", "0", "0.5", "1.5", "2.5"}));
    EXPECT_EQ(bottom.TickRow(), bottom.Pixels({0.5, 1.5, 2.5}));

    // A value beyond the range ends the asking.
    asked.clear();
    chart.OnGetNextAxisLabel = [&](const TCustomChartAxis&, int index, double& value, bool& stop) {
        asked.push_back(index);
        value = index == 0 ? 1.0 : 3.5;
        stop = false;
    };
    bottom.rig.Paint();
    EXPECT_EQ(asked, (std::vector<int>{0, 1}));
    EXPECT_EQ(bottom.TickRow(), bottom.Pixels({1}));

    // A handler that never stops is asked for the indexes 0 to 2000.
    asked.clear();
    chart.OnGetNextAxisLabel = [&](const TCustomChartAxis&, int index, double& value, bool& stop) {
        asked.push_back(index);
        value = 2;
        stop = false;
    };
    bottom.rig.Paint();
    ASSERT_EQ(asked.size(), 2001u);
    EXPECT_EQ(asked.back(), 2000);

    // Leaving the flag set at once leaves the labels to the axis.
    chart.OnGetNextAxisLabel = [](const TCustomChartAxis&, int, double&, bool&) {};
    bottom.rig.Paint();
    EXPECT_EQ(bottom.TickRow(), bottom.Pixels({0, 1, 2, 3}));
}

TEST(AxisDraw, CrowdedAxesKeepEveryTickOrGetNoLabelsAtAll)
{
    BottomAxisOnly bottom;
    bottom.axis.SetLabelsSeparation(0); // no step search: a label at every unit
    AxisRig::SetManualRange(bottom.axis, 0, 2999);
    bottom.rig.Paint();
    // 3000 labels, more than the 2000 ticks reserved: every pixel of the axis has its tick.
    std::vector<int> span;
    for (int x = bottom.axis.PixelStart(); x <= bottom.axis.PixelEnd(); ++x)
        span.push_back(x);
    EXPECT_EQ(bottom.TickRow(), span);

    AxisRig::SetManualRange(bottom.axis, 0, 10000);
    bottom.rig.Paint();
    EXPECT_TRUE(bottom.TickRow().empty());
    EXPECT_TRUE(bottom.ColumnsWithColour(gray).empty());
}

TEST(AxisDraw, MultiLineLabelsStackTheirLinesAwayFromTheAxis)
{
    BottomAxisOnly bottom;
    bottom.axis.SetAxisValuesFormat(std::string("0' s'"));
    bottom.axis.SetLabelsMultiLine(true);
    bottom.rig.Paint();
    TChartFont& font = bottom.axis.LabelsFont();
    const int height = bottom.rig.FontHeight(font);
    const int p = bottom.axis.ValueToPixel(2);
    const int top = bottom.axis.LabelsPos();
    const QSize size = bottom.rig.Image().size();
    const int digitWidth = bottom.rig.TextWidth(font, std::string("2"));
    const int unitWidth = bottom.rig.TextWidth(font, std::string("s"));
    EXPECT_EQ(InkOf(bottom.rig.Image(), QRect(p - 20, top, 40, height)),
        ReferenceInk(font, std::string("2"), p - digitWidth / 2, top, size));
    EXPECT_EQ(InkOf(bottom.rig.Image(), QRect(p - 20, top + height, 40, height)),
        ReferenceInk(font, std::string("s"), p - unitWidth / 2, top + height, size));
}

TEST(AxisDraw, PointLabelsNameThePointsAndCrowdedOnesGiveWay)
{
    AxisRig rig;
    auto* series = new TChartSeries();
    series->SetParentChart(&rig.chart);
    series->AddPoint(0, 1, std::string("start"));
    series->AddPoint(1, 2, std::string("middle"));
    series->AddPoint(1.02, 3, std::string("crowded"));
    series->AddPoint(2, 4, std::string("end"));
    TChartAxis& bottom = rig.chart.BottomAxis();
    AxisRig::SetManualRange(bottom, 0, 2);
    rig.chart.LeftAxis().SetVisible(false);
    EXPECT_EQ(bottom.ResolveLabelStyle(), talText);
    rig.Paint();
    testing_support::saveScreenshot(rig.Image(), QStringLiteral("axis_point_labels"));

    TChartFont& font = bottom.LabelsFont();
    const int height = rig.FontHeight(font);
    const int top = bottom.LabelsPos();
    const QSize size = rig.Image().size();
    const auto centred = [&](const std::string& text, double x) {
        return ReferenceInk(font, text, bottom.ValueToPixel(x) - rig.TextWidth(font, text) / 2, top, size);
    };
    const int p = bottom.ValueToPixel(1);
    EXPECT_EQ(InkOf(rig.Image(), QRect(p - 60, top, 120, height)), centred(std::string("middle"), 1));
    EXPECT_EQ(InkOf(rig.Image(), QRect(0, top, bottom.PixelStart() + 30, height)), centred(std::string("start"), 0));
    EXPECT_EQ(InkOf(rig.Image(), QRect(bottom.PixelEnd() - 30, top, 60, height)), centred(std::string("end"), 2));
    // Ticks only where a label was drawn.
    EXPECT_EQ(RowPositions(rig.Image(), bottom.AxisLinePos() + 3, gray),
        (std::vector<int>{bottom.PixelStart(), p, bottom.PixelEnd()}));
}
