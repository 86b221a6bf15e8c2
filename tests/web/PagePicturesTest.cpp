// The page's chart and figure against the desktop's: the command line's
// picture after the same runs, the window chart's ranges after the same
// mouse drags, the device resolution at ratio 2, and the bytes the page's
// canvas takes.
#include "RunStackTestSupport.h"

#include "cli/RunPicture.h"
#include "cli/Simulation.h"
#include "platform/qt/QtPixels.h"
#include "tests/chart/ChartMouseTestSupport.h"
#include "web/core/PageChart.h"
#include "web/core/RgbaPicture.h"

#include <stdexcept>

using mouse_testing::Range;
using mouse_testing::RangeOf;

namespace {

// The pixels that differ between two pictures of the same size.
int DifferingPixels(const QImage& expected, const platform::PixelBuffer& actual)
{
    EXPECT_EQ(expected.width(), actual.Width());
    EXPECT_EQ(expected.height(), actual.Height());
    if (expected.width() != actual.Width() || expected.height() != actual.Height())
        return -1;
    int differing = 0;
    for (int y = 0; y < actual.Height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(expected.constScanLine(y));
        for (int x = 0; x < actual.Width(); ++x)
            differing += row[x] != actual.At(x, y) ? 1 : 0;
    }
    return differing;
}

// The page's chart with one run of the default pendulum on the start ranges,
// painted, as ShownRunChart::ShowRun plots it on the window's chart.
void ShowRun(web::PageChart& chart, int count = 250)
{
    chart.SetStartRanges();
    chart.AddRunSeries(0);
    for (const QPointF& p : PendulumRun(10.0, count))
        chart.AddPoint(0, p.x(), p.y());
    chart.Paint();
}

} // namespace

TEST(PageChart, AfterTheRunsItShowsTheCommandLinesPictureByteForByte)
{
    struct Run {
        web::StartFields fields;
        cli::RunInputs inputs;
        int passes;
    };
    // The second run passes the time axis's end, which then follows the data.
    const std::vector<Run> played{
        {{"0.8", "10", "0.05"}, {0.8, 0.05, 10}, 40},
        {{"0.5", "-12", "0.05"}, {0.5, 0.05, -12}, 340},
    };
    web::PageChart chart;
    web::RunRecord record(&chart);
    web_testing::FakePage page;
    web::RunStack runs(page, record, u'.');
    for (const Run& run : played) {
        page.At(page.dispatches + run.passes + 1, [&runs] { runs.ClickStop(); });
        runs.ClickStart(run.fields);
        page.RunUntilIdle(runs);
    }
    EXPECT_TRUE(chart.Paint());
    EXPECT_FALSE(chart.Paint()) << "nothing asked for since";
    chart.Repaint();
    EXPECT_TRUE(chart.Paint()) << "a picture painted at once is shown as well";

    cli::RunPicture picture(runchart::ChartWidth, runchart::ChartHeight, 400);
    for (std::size_t i = 0; i < played.size(); ++i) {
        picture.BeginRun(static_cast<int>(i), played[i].inputs);
        picture.EndRun(cli::SimulateRun(played[i].inputs, played[i].passes, picture));
    }
    EXPECT_EQ(DifferingPixels(picture.Render(), chart.Picture()), 0);

    // Clear: an empty chart, as the command line draws it without runs.
    runs.ClickClear();
    EXPECT_TRUE(chart.Paint());
    cli::RunPicture empty(runchart::ChartWidth, runchart::ChartHeight, 1);
    EXPECT_EQ(DifferingPixels(empty.Render(), chart.Picture()), 0);
}

TEST(PageChart, AtRatioTwoItDrawsAtDeviceResolutionAsTheWindowsChartDoes)
{
    web::PageChart chart;
    chart.Resize(runchart::ChartWidth, runchart::ChartHeight, 2.0);
    ShowRun(chart);
    EXPECT_EQ(chart.Picture().Width(), 2 * runchart::ChartWidth);
    EXPECT_EQ(chart.Picture().Height(), 2 * runchart::ChartHeight);
    EXPECT_EQ(chart.Picture().Ratio(), 2.0);

    ConfiguredChart desktop(2.0);
    desktop.SetStartRanges();
    desktop.AddSeries(clRed, PendulumRun(10.0, 250));
    EXPECT_EQ(DifferingPixels(desktop.Paint(), chart.Picture()), 0);

    // Back at ratio 1 with a new size: a new picture of that size.
    chart.Resize(300, 200, 1.0);
    EXPECT_TRUE(chart.Paint());
    EXPECT_EQ(chart.Picture().Width(), 300);
    EXPECT_EQ(chart.Picture().Height(), 200);
}

TEST(PageChart, TheSameDragsAndWheelTurnsGiveTheWindowChartsRanges)
{
    mouse_testing::ShownRunChart shown;
    shown.ShowRun();
    TChart& desktop = *shown.chart;
    web::PageChart chart;
    ShowRun(chart);

    const auto expectSameRanges = [&](const char* step) {
        chart.Paint();
        mouse_testing::ShownRunChart::Settle();
        EXPECT_EQ(RangeOf(chart.BottomAxis()), RangeOf(desktop.BottomAxis())) << step;
        EXPECT_EQ(RangeOf(chart.LeftAxis()), RangeOf(desktop.LeftAxis())) << step;
        EXPECT_EQ(RangeOf(chart.TopAxis()), RangeOf(desktop.TopAxis())) << step;
        EXPECT_EQ(RangeOf(chart.RightAxis()), RangeOf(desktop.RightAxis())) << step;
        EXPECT_EQ(chart.Zoomed(), desktop.Zoomed()) << step;
    };
    // A left or right drag on the page: press, a move with the button held, release.
    const auto drag = [&](int button, QPoint from, QPoint to) {
        const unsigned held = button == 0 ? 1u : 2u;
        chart.MouseDown(button, {held}, from.x(), from.y());
        chart.Paint();
        chart.MouseMove({held}, to.x(), to.y());
        chart.Paint();
        chart.MouseUp(button, {}, to.x(), to.y());
    };
    const Range startBottom = RangeOf(chart.BottomAxis());

    shown.Drag(Qt::LeftButton, {100, 100}, {300, 400});
    drag(0, {100, 100}, {300, 400});
    expectSameRanges("zoom");
    ASSERT_NE(RangeOf(chart.BottomAxis()), startBottom);

    shown.Drag(Qt::LeftButton, {150, 150}, {300, 400});
    drag(0, {150, 150}, {300, 400});
    expectSameRanges("second zoom");

    // Positions in fractions of a pixel land on the pixels the window's mouse rounds to.
    shown.Drag(Qt::RightButton, {200, 300}, {260, 180});
    chart.MouseDown(2, {2}, 199.5, 300.4);
    chart.MouseMove({2}, 260.2, 179.6);
    chart.MouseUp(2, {}, 260.2, 179.6);
    expectSameRanges("right-drag scroll");

    // One notch away from the user; then one towards the user in two halves,
    // and one in lines.
    shown.Wheel(120, {250, 300});
    chart.Wheel(-100, 0, {}, 250, 300);
    expectSameRanges("notch away");
    shown.Wheel(-60, {250, 300});
    chart.Wheel(50, 0, {}, 250, 300);
    expectSameRanges("half a notch");
    shown.Wheel(-60, {250, 300});
    chart.Wheel(50, 0, {}, 250, 300);
    expectSameRanges("the other half");
    shown.Wheel(-120, {250, 300});
    chart.Wheel(3, 1, {}, 250, 300);
    expectSameRanges("three lines");

    shown.Drag(Qt::LeftButton, {400, 500}, {100, 100});
    drag(0, {400, 500}, {100, 100});
    expectSameRanges("undo");
    EXPECT_EQ(RangeOf(chart.BottomAxis()), startBottom);
}

TEST(PageChart, AFailingMouseHandlerIsReportedAndTheDragEndsWhereItFailed)
{
    web::PageChart chart;
    ShowRun(chart);
    std::vector<std::string> reported;
    chart.OnMouseError = [&](const std::exception& error) { reported.emplace_back(error.what()); };
    chart.OnMouseUp = [](TCustomChart&, TMouseButton, TShiftState, int, int) {
        throw std::runtime_error("handler failed");
    };
    const Range before = RangeOf(chart.BottomAxis());
    chart.MouseDown(0, {1}, 100, 100);
    chart.MouseMove({1}, 300, 400);
    EXPECT_NO_THROW(chart.MouseUp(0, {}, 300, 400));
    EXPECT_EQ(reported, std::vector<std::string>{"handler failed"});
    EXPECT_EQ(RangeOf(chart.BottomAxis()), before);
    // Buttons the chart does not know (back, forward) are left alone.
    EXPECT_NO_THROW(chart.MouseUp(3, {}, 300, 400));
    EXPECT_EQ(reported.size(), 1u);
}

TEST(RgbaPicture, TakesTheDevicePixelsAsOpaqueRedGreenBlueBytes)
{
    platform::PixelBuffer pixels(2, 2, 2.0, 0xFF102030u);
    pixels.Row(1)[1] = 0x00ABCDEFu;
    web::RgbaPicture picture;
    picture.Assign(pixels);
    ASSERT_EQ(picture.Width(), 2);
    ASSERT_EQ(picture.Height(), 2);
    const std::vector<std::uint8_t> bytes(picture.Bytes(), picture.Bytes() + 16);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30,
                                                0xFF, 0xAB, 0xCD, 0xEF, 0xFF}));
}
