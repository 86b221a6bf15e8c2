#include "embedded/ContainerPainter.h"
#include "embedded/EquationsPicture.h"
#include "embedded/PictureRenderer.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtTextBackend.h"
#include "tests/embedded/InkScan.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <array>
#include <span>

using testing_support::rgbAt;

namespace {

constexpr QSize kPanelSize{161, 169};
constexpr unsigned kUntouched = 0xFF00FFu;

QImage renderPanel(const VectorPicture* picture, int pixelsPerInch)
{
    platform::PixelBuffer pixels(kPanelSize.width(), kPanelSize.height(), 1.0, 0xFF000000u | kUntouched);
    platform::qt::QtTextBackend text;
    PaintContainer(pixels, {0, 0, kPanelSize.width(), kPanelSize.height()},
                   ContainerLook{clWhite, picture, pixelsPerInch, pixelsPerInch}, text);
    return platform::qt::WrapPixels(pixels);
}

unsigned rgbOf(TColor color)
{
    return ToRgb(color) & 0xFFFFFFu;
}

// One equation line: a glyph that sits on the baseline (no descender), its
// logical columns, and the baseline's row below the picture's top.
struct LineProbe {
    int logicalLeft;
    int logicalRight;
    int baselineRow;
};

// Bottom row of the black pixels in a line's probe columns, searched in the
// rows just above its expected baseline, for a picture drawn at (2, 2).
std::optional<int> inkBottom(const QImage& image, const LineProbe& probe, double scale)
{
    const int left = 2 + static_cast<int>(probe.logicalLeft * scale);
    const int right = 2 + static_cast<int>(probe.logicalRight * scale);
    const int baseline = 2 + probe.baselineRow;
    const auto box = ink_scan::blackBox(image, QRect(QPoint(left, baseline - 12), QPoint(right, baseline + 2)));
    if (!box)
        return std::nullopt;
    return box->bottom();
}

// Every line's probe glyph ends on the row above its baseline, or at most two
// rows higher, in a picture drawn at the interior's corner (2, 2).
void expectLinesOnTheirBaselines(const QImage& image, std::span<const LineProbe> lines, double scale)
{
    for (const LineProbe& line : lines) {
        const auto bottom = inkBottom(image, line, scale);
        ASSERT_TRUE(bottom.has_value()) << "line with baseline " << line.baselineRow;
        EXPECT_GE(*bottom, 2 + line.baselineRow - 2) << line.baselineRow;
        EXPECT_LE(*bottom, 2 + line.baselineRow) << line.baselineRow;
    }
}

} // namespace

TEST(ContainerPainter, SunkenEdgeAroundAFaceColouredInterior)
{
    const QImage image = renderPanel(nullptr, 96);
    const unsigned shadow = rgbOf(clBtnShadow);
    const unsigned highlight = rgbOf(clBtnHighlight);
    const unsigned darkShadow = rgbOf(cl3DDkShadow);
    const unsigned light = rgbOf(cl3DLight);
    const unsigned face = rgbOf(clBtnFace);

    for (int x = 0; x < 160; ++x)
        ASSERT_EQ(rgbAt(image, x, 0), shadow) << x;
    for (int y = 0; y < 168; ++y)
        ASSERT_EQ(rgbAt(image, 0, y), shadow) << y;
    for (int x = 0; x < 161; ++x)
        ASSERT_EQ(rgbAt(image, x, 168), highlight) << x;
    for (int y = 0; y < 169; ++y)
        ASSERT_EQ(rgbAt(image, 160, y), highlight) << y;

    EXPECT_EQ(rgbAt(image, 1, 1), darkShadow);
    EXPECT_EQ(rgbAt(image, 158, 1), darkShadow);
    EXPECT_EQ(rgbAt(image, 1, 166), darkShadow);
    EXPECT_EQ(rgbAt(image, 159, 1), light);
    EXPECT_EQ(rgbAt(image, 1, 167), light);
    EXPECT_EQ(rgbAt(image, 159, 167), light);

    // Without a picture the whole interior is face colour; the white of the
    // control's colour never shows.
    EXPECT_EQ(testing_support::countPixelsNot(image, face, 2, 2, 159, 167), 0);
    EXPECT_EQ(ink_scan::blackCount(image, image.rect()), 0);
}

TEST(ContainerPainter, EquationsAt96PixelsPerInch)
{
    const VectorPicture picture = EquationsPicture();
    const QImage image = renderPanel(&picture, 96);
    testing_support::saveScreenshot(image, QStringLiteral("equations_panel_96"));
    testing_support::saveScreenshot(image.scaled(image.size() * 4), QStringLiteral("equations_panel_96_x4"));

    const QRect interior(2, 2, 157, 165);
    const unsigned face = rgbOf(clBtnFace);
    // The glyphs are solid black on the face colour, nothing in between.
    EXPECT_EQ(ink_scan::otherThan(image, interior, face), 0);
    // The edge stays as it was: the picture is clipped to the interior.
    EXPECT_EQ(rgbAt(image, 0, 20), rgbOf(clBtnShadow));
    EXPECT_EQ(rgbAt(image, 1, 20), rgbOf(cl3DDkShadow));

    const auto ink = ink_scan::blackBox(image, interior);
    ASSERT_TRUE(ink.has_value());
    // Upper-left part only: the glyphs end about 112 pixels right of the
    // picture's left edge, the last baseline is 117 pixels below its top.
    EXPECT_GE(ink->left(), 2);
    EXPECT_LE(ink->top(), 2 + 6);
    EXPECT_GE(ink->right(), 2 + 100);
    EXPECT_LE(ink->right(), 2 + 116);
    EXPECT_LE(ink->bottom(), 2 + 118);

    const double scale = 433.0 / 2699.0;
    const std::array<LineProbe, 5> lines{{
        {17, 130, 15},   // M of M = ...
        {10, 85, 47},    // ε of ε = M / J
        {9, 100, 77},    // ω of ω = ω + ε·dt
        {412, 520, 96},  // dt of φ = φ + ω·dt
        {12, 60, 117},   // t of t = t + dt
    }};
    expectLinesOnTheirBaselines(image, lines, scale);

    // The bar of M / J: logical x 170 to 281 at y 268, one pixel thick.
    const int barRow = 2 + 43;
    for (int x = 2 + 27; x < 2 + 45; ++x)
        ASSERT_EQ(rgbAt(image, x, barRow), ink_scan::kBlack) << x;
    EXPECT_LT(ink_scan::blackCount(image, QRect(29, barRow - 1, 18, 1)), 18);
    EXPECT_LT(ink_scan::blackCount(image, QRect(29, barRow + 1, 18, 1)), 18);
    // Numerator above the bar, denominator below it.
    EXPECT_GT(ink_scan::blackCount(image, QRect(29, barRow - 14, 18, 12)), 0);
    EXPECT_GT(ink_scan::blackCount(image, QRect(29, barRow + 2, 18, 14)), 0);
}

TEST(ContainerPainter, EquationsAt120PixelsPerInchStillShowEveryLine)
{
    const VectorPicture picture = EquationsPicture();
    const QImage image = renderPanel(&picture, 120);
    testing_support::saveScreenshot(image, QStringLiteral("equations_panel_120"));

    const QRect interior(2, 2, 157, 165);
    const auto ink = ink_scan::blackBox(image, interior);
    ASSERT_TRUE(ink.has_value());
    // The glyphs now end about 140 pixels right of the picture's left edge.
    EXPECT_GE(ink->right(), 2 + 125);
    EXPECT_LE(ink->right(), 2 + 146);
    EXPECT_LE(ink->bottom(), 2 + 152);

    // Baselines at round(y * 152 / 757) below the picture's top.
    const double scale = 541.0 / 2699.0;
    const std::array<LineProbe, 5> lines{{
        {17, 130, 18}, {10, 85, 59}, {9, 100, 97}, {412, 520, 120}, {12, 60, 147},
    }};
    expectLinesOnTheirBaselines(image, lines, scale);
}

TEST(ContainerPainter, PictureLargerThanTheInteriorIsClipped)
{
    // A single rule across the whole window: at 96 pixels per inch it spans
    // 433 pixels, far wider than the 157-pixel interior.
    VectorPicture wide{PictureSize{100, 100}, PictureSize{11451, 3207}, {}, {PictureRule{0, 100, 40, 1}}};
    const QImage image = renderPanel(&wide, 96);
    const int row = 2 + 48; // round(40 * 121 / 100)
    EXPECT_EQ(ink_scan::blackCount(image, QRect(2, row, 157, 1)), 157);
    EXPECT_EQ(rgbAt(image, 1, row), rgbOf(cl3DDkShadow));
    EXPECT_EQ(rgbAt(image, 159, row), rgbOf(cl3DLight));
    EXPECT_EQ(rgbAt(image, 160, row), rgbOf(clBtnHighlight));
}

TEST(ContainerPainter, TinyControlKeepsInsideItsBounds)
{
    const VectorPicture picture = EquationsPicture();
    platform::PixelBuffer pixels(10, 10, 1.0, 0xFF000000u | kUntouched);
    platform::qt::QtTextBackend text;
    const platform::PixelBox interior =
        PaintContainer(pixels, {3, 3, 6, 6}, ContainerLook{clWhite, &picture, 96, 96}, text);
    const QImage image = platform::qt::WrapPixels(pixels);
    EXPECT_EQ(interior.right - interior.left, 0);
    EXPECT_EQ(interior.bottom - interior.top, 0);
    EXPECT_EQ(testing_support::countPixelsNot(image, kUntouched, 0, 0, 10, 10),
              testing_support::countPixelsNot(image, kUntouched, 3, 3, 6, 6));
    EXPECT_EQ(ink_scan::blackCount(image, image.rect()), 0);
}

TEST(ContainerPainter, DrawsAtTheBuffersDeviceRatio)
{
    // Device edges round halves upwards, as the desktop's painter places them.
    EXPECT_EQ(DeviceBox({1, 3, 5, 7}, 1.5).left, 2);
    EXPECT_EQ(DeviceBox({1, 3, 5, 7}, 1.5).top, 5);
    EXPECT_EQ(DeviceBox({1, 3, 5, 7}, 1.5).right, 8);

    const VectorPicture picture = EquationsPicture();
    platform::PixelBuffer pixels(322, 338, 2.0, 0xFF000000u | kUntouched);
    platform::qt::QtTextBackend text;
    const platform::PixelBox interior =
        PaintContainer(pixels, {0, 0, 161, 169}, ContainerLook{clWhite, &picture, 96, 96}, text);
    EXPECT_EQ(interior.left, 2);
    const QImage image = platform::qt::WrapPixels(pixels);
    // Each ring of the edge is two device pixels wide; the bar of M / J
    // (logical row 45) covers device rows 90 and 91.
    EXPECT_EQ(rgbAt(image, 1, 40), rgbOf(clBtnShadow));
    EXPECT_EQ(rgbAt(image, 3, 40), rgbOf(cl3DDkShadow));
    EXPECT_EQ(rgbAt(image, 4, 40), rgbOf(clBtnFace));
    EXPECT_EQ(ink_scan::blackCount(image, QRect(60, 90, 30, 2)), 60);
    const auto ink = ink_scan::blackBox(image, QRect(4, 4, 314, 330));
    ASSERT_TRUE(ink.has_value());
    EXPECT_GE(ink->right(), 4 + 200);
    EXPECT_LE(ink->right(), 4 + 232);
}
