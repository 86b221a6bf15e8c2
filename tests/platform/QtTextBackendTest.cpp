// The desktop's text backend behind the engine's interface: measured and
// drawn into a pixel buffer as the canvas writes the same text.
#include "platform/Fonts.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtTextBackend.h"
#include "tests/platform/CanvasSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::PixelBox;
using platform::PixelBuffer;
using platform::TextPlacement;

constexpr unsigned kWhite = 0xFFFFFF;

struct Face {
    const char* name;
    int pixels;
    unsigned styles;
};

} // namespace

TEST(QtTextBackend, DrawsIntoAPixelBufferWhatTheCanvasWritesAtEveryRatioAndAngle)
{
    const std::string texts[] = {"0,25", "t [s]", "fi [°]", "Žluťoučký kůň"};
    const Face faces[] = {{"Arial", 11, 0},
                          {"Times New Roman", 13, static_cast<unsigned>(TFontStyle::Italic)},
                          {"Arial", 11, static_cast<unsigned>(TFontStyle::Underline)}};
    platform::qt::QtTextBackend backend;
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        for (const Face& face : faces) {
            for (const int angle : {0, 90, 30}) {
                SCOPED_TRACE(std::string(face.name) + " at " + std::to_string(ratio) + ", "
                             + std::to_string(angle) + " degrees");
                canvas_testing::Surface drawn(160, 160, kWhite, ratio);
                const QImage blank = drawn.image.copy();
                QImage image = blank.copy();
                PixelBuffer target = platform::qt::BorrowPixels(image);
                drawn.canvas.Brush().SetStyle(bsClear);
                drawn.canvas.Font().SetName(face.name);
                drawn.canvas.Font().SetPixelHeight(face.pixels);
                drawn.canvas.Font().SetStyles(face.styles);
                drawn.canvas.Font().SetColor(clNavy);
                // A clip that cuts the texts, in device pixels.
                drawn.canvas.IntersectClipRect(0, 0, 150, 120);
                const PixelBox clip{0, 0, drawn.canvas.Mapping().Size(150), drawn.canvas.Mapping().Size(120)};
                const platform::TextFont font = platform::TextFontOf(drawn.canvas.Font().Data());
                const int ascent = backend.Measure(font, "W").ascent;
                for (int i = 0; i < 4; ++i) {
                    const int x = 5 + 30 * i;
                    const int y = 10 + 30 * i;
                    if (angle == 0)
                        drawn.canvas.TextOut(x, y, texts[i]);
                    else
                        drawn.canvas.TextOutRotated(x, y, angle, texts[i]);
                    backend.Draw(target, clip, font, TextPlacement{x, y, 0, ascent, double(angle)}, texts[i],
                                 ToRgb(clNavy));
                }
                drawn.canvas.Unbind();
                EXPECT_EQ(image, drawn.image);
                EXPECT_NE(image, blank) << "something was drawn";
            }
        }
    }
}

TEST(QtTextBackend, MeasuresAsTheCanvas)
{
    canvas_testing::Surface drawn(10, 10);
    drawn.canvas.Font().SetName("Times New Roman");
    drawn.canvas.Font().SetSize(12);
    platform::qt::QtTextBackend backend;
    const platform::TextExtent extent = backend.Measure(platform::TextFontOf(drawn.canvas.Font().Data()), "Graf 1,5");
    EXPECT_EQ(extent.width, drawn.canvas.TextWidth("Graf 1,5"));
    EXPECT_EQ(extent.ascent + extent.descent, drawn.canvas.TextHeight("Graf 1,5"));
    EXPECT_GT(extent.descent, 0);
}
