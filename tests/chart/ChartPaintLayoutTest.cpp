// The configured chart on pixels: where the chart rectangle, the title, the
// back wall, the axes and the clipped series land.
#include "platform/Fonts.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>

using testing_support::countPixelsNot;
using testing_support::rgbAt;

namespace {

int FontHeightOf(const TChartFont& font)
{
    platform::Canvas canvas;
    canvas.Font().Assign(font.Data());
    return canvas.TextHeight(std::string("W"));
}

int TextWidthOf(const TChartFont& font, const std::string& text)
{
    platform::Canvas canvas;
    canvas.Font().Assign(font.Data());
    return canvas.TextWidth(text);
}

} // namespace

TEST(ChartPaintLayout, TheConfiguredChartRectangleStartsAt15_28_483_662)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    configured.SetStartRanges();
    configured.Paint();
    const TCustomChart& chart = configured.chart;
    const int titleHeight = FontHeightOf(chart.Title().Font());

    // The title block spans the rectangle's width with its top at y = 28; the
    // empty foot sits on its bottom edge.
    EXPECT_EQ(chart.Title().BlockRect(), (TChartRect{15, 28, 483, 28 + titleHeight}));
    EXPECT_EQ(chart.Foot().BlockRect(), (TChartRect{15, 662, 483, 662}));

    // Only the left and bottom axes take room: the top and right edges stay.
    EXPECT_EQ(chart.ChartArea().top, 28 + titleHeight + TCustomChart::titleGap);
    EXPECT_EQ(chart.ChartArea().right, 483);
    const int bottomClaim = FontHeightOf(chart.BottomAxis().Title().Font())
        + FontHeightOf(chart.BottomAxis().LabelsFont()) + 6;
    EXPECT_EQ(chart.ChartArea().bottom, 662 - bottomClaim);
    EXPECT_GT(chart.ChartArea().left, 15);
}

TEST(ChartPaintLayout, TheTitleIsBlueAndCentredInItsLine)
{
    ConfiguredChart configured;
    const QImage& image = configured.Paint();
    const int lineHeight = FontHeightOf(configured.chart.Title().Font());

    // The blue ink lies within the title's line and is centred over the
    // chart rectangle (15 .. 483), give or take a glyph's overhang.
    const QRgb blue = Drawn(clBlue);
    int left = image.width();
    int right = -1;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgbAt(image, x, y) == blue) {
                ASSERT_TRUE(y >= 28 && y < 28 + lineHeight) << y;
                left = std::min(left, x);
                right = std::max(right, x);
                ++count;
            }
    EXPECT_GT(count, 10);
    EXPECT_NEAR((left + right + 1) / 2.0, 249, 2);
}

TEST(ChartPaintLayout, TheWallOutlinesTheRectangleOnItsOwnEdgePixels)
{
    ConfiguredChart configured;
    configured.chart.SetAxisVisible(false);
    const QImage& image = configured.Paint();
    const TChartRect area = configured.chart.ChartArea();
    ASSERT_EQ(area.left, 15);
    ASSERT_EQ(area.right, 483);
    ASSERT_EQ(area.bottom, 662);

    const QRgb black = Drawn(clBlack);
    const QRgb panel = Drawn(clBtnFace);
    for (int y = area.top; y <= area.bottom; ++y) {
        ASSERT_EQ(rgbAt(image, area.left, y), black) << y;
        ASSERT_EQ(rgbAt(image, area.right, y), black) << y;
    }
    for (int x = area.left; x <= area.right; ++x) {
        ASSERT_EQ(rgbAt(image, x, area.top), black) << x;
        ASSERT_EQ(rgbAt(image, x, area.bottom), black) << x;
    }
    // Nothing outside the outline; the clear brush lets the panel show inside.
    const int midX = (area.left + area.right) / 2;
    const int midY = (area.top + area.bottom) / 2;
    EXPECT_EQ(rgbAt(image, area.left - 1, midY), panel);
    EXPECT_EQ(rgbAt(image, area.right + 1, midY), panel);
    EXPECT_EQ(rgbAt(image, midX, area.top - 1), panel);
    EXPECT_EQ(rgbAt(image, midX, area.bottom + 1), panel);
    EXPECT_EQ(countPixelsNot(image, panel, area.left + 1, area.top + 1, area.right, area.bottom), 0);
}

TEST(ChartPaintLayout, SeriesStayInsideTheClipRowsAndColumns)
{
    ConfiguredChart configured;
    // A horizontal line across the whole width and a vertical one across the
    // whole height, both running far beyond the axis ranges.
    configured.AddSeries(clRed, {{-50, 0}, {50, 0}});
    configured.AddSeries(clRed, {{1.5, -1000}, {1.5, 1000}});
    configured.SetStartRanges();
    const QImage& image = configured.Paint();
    const TChartRect area = configured.chart.ChartArea();
    const QRgb red = Drawn(clRed);

    const int inside = CountColor(image, red, area.left + 1, area.top + 1, area.right, area.bottom - 1);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(CountColor(image, red, 0, 0, image.width(), image.height()), inside);

    const int lineY = configured.chart.LeftAxis().ValueToPixelY(0);
    const int lineX = configured.chart.BottomAxis().ValueToPixelX(1.5);
    EXPECT_EQ(rgbAt(image, area.left + 1, lineY), red);
    EXPECT_EQ(rgbAt(image, area.right - 1, lineY), red);
    EXPECT_EQ(rgbAt(image, lineX, area.top + 1), red);
    EXPECT_EQ(rgbAt(image, lineX, area.bottom - 2), red);
    // The row right above the bottom outline stays clear.
    EXPECT_NE(rgbAt(image, lineX, area.bottom - 1), red);
}

TEST(ChartPaintLayout, AnEmptyChartDrawsFourBareAxesAndASeriesKeepsTwo)
{
    ConfiguredChart empty;
    const QImage& emptyImage = empty.Paint();
    const TChartRect emptyArea = empty.chart.ChartArea();
    const int titleHeight = FontHeightOf(empty.chart.Title().Font());
    const int labelsHeight = FontHeightOf(empty.chart.TopAxis().LabelsFont());
    // The top axis claims a labels band and its ticks, the right axis its ticks.
    EXPECT_EQ(emptyArea.top, 28 + titleHeight + TCustomChart::titleGap + labelsHeight + 6);
    EXPECT_EQ(emptyArea.right, 483 - 6);

    ConfiguredChart plotted;
    plotted.AddSeries(clRed, {{0, 0}, {3, 5}});
    plotted.SetStartRanges();
    const QImage& plottedImage = plotted.Paint();
    const TChartRect plottedArea = plotted.chart.ChartArea();

    const QRgb black = Drawn(clBlack);
    const auto blackBeside = [&](const QImage& image, const TChartRect& area) {
        const int height = area.bottom - area.top;
        return CountColor(image, black, area.right + 1, area.top + 1, area.right + 2, area.bottom)
            + CountColor(image, black, area.right - 1, area.top + 1, area.right, area.bottom) >= height / 2;
    };
    // The right axis line (two pixels wide) lies beside the wall's right
    // column only on the empty chart.
    EXPECT_TRUE(blackBeside(emptyImage, emptyArea));
    EXPECT_FALSE(blackBeside(plottedImage, plottedArea));

    // No labels, ticks or grid on the empty chart: nothing gray inside, and
    // nothing but the axis title below the bottom axis line.
    const QRgb gray = Drawn(clGray);
    EXPECT_EQ(CountColor(emptyImage, gray, emptyArea.left, emptyArea.top, emptyArea.right, emptyArea.bottom), 0);
    EXPECT_GT(CountColor(plottedImage, gray, plottedArea.left, plottedArea.top, plottedArea.right,
                  plottedArea.bottom),
        0);
    const QRgb panel = Drawn(clBtnFace);
    EXPECT_EQ(countPixelsNot(emptyImage, panel, emptyArea.left + 2, emptyArea.bottom + 2, emptyArea.right - 2,
                  emptyArea.bottom + 6 + labelsHeight),
        0);
    EXPECT_GT(countPixelsNot(emptyImage, panel, emptyArea.left, emptyArea.bottom + 6 + labelsHeight,
                  emptyArea.right, 662),
        0);
}

TEST(ChartPaintLayout, TitleBlocksWithoutTextReserveNothingAndFeetStackUpwards)
{
    ConfiguredChart configured;
    configured.AddSeries(clRed, {{0, 0}, {3, 5}});
    configured.SetStartRanges();
    configured.chart.Title().ClearText();
    configured.chart.Foot().SetText({std::string("one"), std::string("two")});
    configured.chart.BottomAxis().SetVisible(false);
    const QImage& image = configured.Paint();
    const TCustomChart& chart = configured.chart;
    const int footHeight = FontHeightOf(chart.Foot().Font());

    EXPECT_EQ(chart.ChartArea().top, 28);
    EXPECT_EQ(chart.ChartArea().bottom, 662 - 2 * footHeight - TCustomChart::titleGap);
    EXPECT_EQ(chart.Foot().BlockRect(), (TChartRect{15, 662 - 2 * footHeight, 483, 662}));
    // The last line is the lowest.
    const QRgb blue = Drawn(clBlue);
    const int lastLine = CountColor(image, blue, 15, 662 - footHeight, 483, 662);
    const int firstLine = CountColor(image, blue, 15, 662 - 2 * footHeight, 483, 662 - footHeight);
    EXPECT_GT(firstLine, 0);
    EXPECT_GT(lastLine, 0);
    EXPECT_NE(firstLine, lastLine);
}

TEST(ChartPaintLayout, AFramedOrFilledTitleShrinksToItsWidestLine)
{
    ConfiguredChart configured;
    TChartTitle& title = configured.chart.Title();
    title.Frame().SetVisible(true);
    title.Frame().SetColor(clRed);
    const QImage& framed = configured.Paint();
    const int lineHeight = FontHeightOf(title.Font());
    const int b = TextWidthOf(title.Font(), std::string("Graf")) + TextWidthOf(title.Font(), std::string("W"));
    const TChartRect expected{249 - b / 2, 28, 249 + b / 2, 28 + 1 + lineHeight + 1};
    EXPECT_EQ(title.BlockRect(), expected);
    EXPECT_EQ(rgbAt(framed, expected.left, expected.top), Drawn(clRed));
    EXPECT_EQ(rgbAt(framed, expected.right - 1, expected.bottom - 1), Drawn(clRed));
    EXPECT_EQ(rgbAt(framed, expected.left - 1, expected.top), Drawn(clBtnFace));

    // A solid brush of a real colour becomes the title's colour and fills the
    // block in the same paint.
    title.Frame().SetVisible(false);
    title.Brush().SetColor(clYellow);
    const QImage& filled = configured.Paint();
    EXPECT_EQ(title.Color(), clYellow);
    const TChartRect block = title.BlockRect();
    EXPECT_EQ(block, (TChartRect{249 - b / 2, 28, 249 + b / 2, 28 + lineHeight}));
    EXPECT_EQ(rgbAt(filled, block.left, block.top), Drawn(clYellow));
    EXPECT_EQ(rgbAt(filled, block.right - 1, block.bottom - 1), Drawn(clYellow));
    EXPECT_EQ(rgbAt(filled, block.right, block.top), Drawn(clBtnFace));
}

TEST(ChartPaintLayout, BevelsAndBorderFrameTheControl)
{
    ConfiguredChart configured;
    const QImage& raised = configured.Paint();
    const QRgb highlight = Drawn(clBtnHighlight);
    const QRgb shadow = Drawn(clBtnShadow);
    const QRgb panel = Drawn(clBtnFace);
    ASSERT_NE(highlight, shadow);
    EXPECT_EQ(rgbAt(raised, 0, 0), highlight);
    EXPECT_EQ(rgbAt(raised, 496, 0), highlight);
    EXPECT_EQ(rgbAt(raised, 497, 0), shadow);
    EXPECT_EQ(rgbAt(raised, 0, 689), shadow);
    EXPECT_EQ(rgbAt(raised, 497, 689), shadow);
    EXPECT_EQ(rgbAt(raised, 1, 1), panel);

    configured.chart.SetBevelOuter(bvLowered);
    configured.chart.SetBevelInner(bvRaised);
    configured.chart.SetBorderWidth(2);
    const QImage& nested = configured.Paint();
    EXPECT_EQ(rgbAt(nested, 0, 0), shadow);
    EXPECT_EQ(rgbAt(nested, 497, 689), highlight);
    EXPECT_EQ(rgbAt(nested, 1, 1), panel);
    EXPECT_EQ(rgbAt(nested, 3, 3), highlight);
    EXPECT_EQ(rgbAt(nested, 494, 686), shadow);
    // The border also widens every margin.
    EXPECT_EQ(configured.chart.Title().BlockRect().left, 17);
    EXPECT_EQ(configured.chart.Title().BlockRect().top, 30);
}
