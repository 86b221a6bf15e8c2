// The engine's own drawing target against the desktop's: the chart of runs
// and the pendulum figure frames are the same pictures through both, and the
// shapes where the two rasterisers may differ stay within a few pixels.
#include "figure/PendulumFigure.h"
#include "platform/RasterBitmap.h"
#include "platform/raster/RasterCanvasTarget.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtTextBackend.h"
#include "tests/chart/ChartPaintTestSupport.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

int DifferingPixels(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += testing_support::rgbAt(a, x, y) != testing_support::rgbAt(b, x, y) ? 1 : 0;
    return differing;
}

QImage FigureFrame(const platform::BitmapTargets& targets, double ratio, int length, double fi)
{
    platform::RasterBitmap bitmap(377, 673, false, ratio, &targets);
    figure::DrawPendulum(bitmap.GetCanvas(), 200, 100, length, fi);
    return platform::qt::WrapPixels(bitmap.Pixels()).copy();
}

} // namespace

TEST(EngineTarget, ChartAndFigureFramesAreTheDesktopsPictures)
{
    platform::qt::QtTextBackend text;
    const platform::raster::RasterBitmapTargets engineTargets(text);
    for (const double ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE("ratio " + std::to_string(ratio));
        ConfiguredChart desktop(ratio);
        ConfiguredChart engine(ratio);
        // The engine's target writes into the window image's own pixels.
        platform::PixelBuffer window = platform::qt::BorrowPixels(engine.window);
        engine.windowCanvas.Bind(std::make_unique<platform::raster::RasterCanvasTarget>(&window, text));
        for (ConfiguredChart* chart : {&desktop, &engine}) {
            chart->AddSeries(clRed, PendulumRun(45, 2500));
            chart->AddSeries(clBlue, PendulumRun(-120, 1500));
            chart->SetStartRanges();
        }
        const QImage& expected = desktop.Paint();
        const QImage& drawn = engine.Paint();
        ASSERT_EQ(drawn.size(), expected.size());
        // Lines, boxes, fills and the caps of wide lines are the canvas's
        // own pixels on both; the text is the same backend's.
        EXPECT_EQ(DifferingPixels(drawn, expected), 0);

        // The figure's dots and arcs go to the engine's rasteriser on both.
        for (const double fi : {0.0, 0.7, -2.9}) {
            const QImage figure = FigureFrame(engineTargets, ratio, 280, fi);
            EXPECT_EQ(DifferingPixels(figure, FigureFrame(platform::qt::QtBitmaps(), ratio, 280, fi)), 0)
                << "angle " << fi;
            EXPECT_GT(testing_support::countPixelsNot(figure, 0xFFFFFF, 0, 0, figure.width(), figure.height()), 300);
        }
    }
}

// What the desktop leaves to QPainter - hatches, wide and dashed outlines,
// dashed arcs, wide slanted lines, raster operations, turned text, block
// copies - the engine draws itself: every one sets about the same pixels.
TEST(EngineTarget, EachPrimitiveDrawsNearlyThePaintersPixels)
{
    platform::qt::QtTextBackend text;
    const QImage patch = [] {
        QImage image(9, 7, QImage::Format_RGB32);
        image.fill(Qt::blue);
        return image;
    }();
    using Draw = void (*)(platform::Canvas&, const QImage&);
    const std::pair<const char*, Draw> primitives[] = {
        {"hatch", [](platform::Canvas& c, const QImage&) {
             c.SetBackgroundColor(clYellow);
             c.Brush().Assign({clGreen, bsDiagCross});
             c.SetBackgroundMode(bkOpaque);
             c.FillRect(7, 5, 101, 77);
         }},
        {"wide outline", [](platform::Canvas& c, const QImage&) {
             c.Pen().Assign({clRed, 3, psSolid, pmCopy});
             c.Brush().SetStyle(bsClear);
             c.Rectangle(10, 8, 90, 70);
         }},
        {"dashed ellipse", [](platform::Canvas& c, const QImage&) {
             c.Pen().Assign({clBlue, 1, psDash, pmCopy});
             c.Brush().Assign({clAqua, bsSolid});
             c.SetBackgroundMode(bkOpaque);
             c.Ellipse(6, 10, 110, 80);
         }},
        {"dotted arc", [](platform::Canvas& c, const QImage&) {
             c.Pen().Assign({clMaroon, 1, psDot, pmCopy});
             c.SetBackgroundMode(bkTransparent);
             c.Arc(10, 5, 100, 85, 100, 5, 10, 85);
         }},
        {"wide slanted line", [](platform::Canvas& c, const QImage&) {
             c.Pen().Assign({clNavy, 4, psSolid, pmCopy});
             c.MoveTo(8, 80);
             c.LineTo(105, 12);
         }},
        {"not-xor polygon", [](platform::Canvas& c, const QImage&) {
             c.FillRect(0, 0, 60, 90);
             c.Pen().Assign({clBlack, 1, psSolid, pmNotXor});
             c.Brush().Assign({clRed, bsSolid});
             const platform::Point star[] = {{60, 4}, {85, 80}, {12, 30}, {108, 30}, {35, 80}};
             c.Polygon(star);
         }},
        {"texts", [](platform::Canvas& c, const QImage&) {
             c.Font().SetSize(12);
             c.SetBackgroundColor(clSilver);
             c.SetBackgroundMode(bkOpaque);
             c.TextOut(6, 4, "Perioda 1,234 s");
             c.SetBackgroundMode(bkTransparent);
             c.TextOutRotated(30, 85, 90, "fi [°]");
         }},
        {"block copy", [](platform::Canvas& c, const QImage& image) {
             QImage source = image;
             c.Draw(50, 40, platform::qt::BorrowPixels(source));
         }},
    };
    for (const double ratio : {1.0, 2.0}) {
        for (const auto& [name, draw] : primitives) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
            const platform::DeviceMapping mapping{ratio};
            QImage desktop(mapping.Size(120), mapping.Size(90), QImage::Format_RGB32);
            desktop.setDevicePixelRatio(ratio);
            desktop.fill(Qt::white);
            QImage engine = desktop.copy();
            platform::PixelBuffer engineView = platform::qt::BorrowPixels(engine);
            platform::Canvas onDesktop;
            platform::Canvas onEngine;
            platform::qt::BindImage(onDesktop, &desktop);
            onEngine.Bind(std::make_unique<platform::raster::RasterCanvasTarget>(&engineView, text));
            draw(onDesktop, patch);
            draw(onEngine, patch);
            onDesktop.Unbind();
            onEngine.Unbind();
            const int set = testing_support::countPixelsNot(desktop, 0xFFFFFF, 0, 0, desktop.width(), desktop.height());
            ASSERT_GT(set, 20);
            if (std::string(name) == "dotted arc") {
                // The painter counts a curve's dashes along its length, the
                // engine along the line rule's steps: as many dots, elsewhere.
                const int engineSet =
                    testing_support::countPixelsNot(engine, 0xFFFFFF, 0, 0, engine.width(), engine.height());
                EXPECT_NEAR(engineSet, set, set / 3);
            } else {
                EXPECT_LE(DifferingPixels(engine, desktop), set / 10 + 8);
            }
        }
    }
}
