#include "embedded/EquationsPicture.h"
#include "embedded/PictureMapping.h"
#include "embedded/PictureRenderer.h"
#include "platform/qt/QtPixels.h"
#include "platform/qt/QtTextBackend.h"
#include "tests/embedded/InkScan.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr unsigned kWhite = 0xFFFFFFu;

QImage whiteImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

// Draws the picture onto target in the image, through the desktop's text backend.
void draw(QImage& image, const VectorPicture& picture, const QRect& target)
{
    platform::PixelBuffer pixels = platform::qt::BorrowPixels(image);
    platform::qt::QtTextBackend text;
    DrawVectorPicture(pixels, {0, 0, image.width(), image.height()}, picture, platform::qt::ToPixelBox(target), text);
}

QFont pictureQFont(GlyphSlant slant, int pixelSize)
{
    return platform::qt::ToQFont(PictureFont(slant, pixelSize));
}

} // namespace

TEST(PictureRenderer, RoundingGoesToTheNearestIntegerHalvesToEven)
{
    EXPECT_EQ(RoundedMulDiv(1271, 1, 2540), 1);
    EXPECT_EQ(RoundedMulDiv(1269, 1, 2540), 0);
    EXPECT_EQ(RoundedMulDiv(1270, 1, 2540), 0);
    EXPECT_EQ(RoundedMulDiv(3810, 1, 2540), 2);
    EXPECT_EQ(RoundedMulDiv(6350, 1, 2540), 2);
    EXPECT_EQ(RoundedMulDiv(-1270, 1, 2540), 0);
    EXPECT_EQ(RoundedMulDiv(-3810, 1, 2540), -2);
    EXPECT_EQ(RoundedMulDiv(-1271, 1, 2540), -1);
    EXPECT_EQ(RoundedMulDiv(0, 7, 3), 0);
}

TEST(PictureRenderer, PictureSizeFollowsThePixelDensity)
{
    const PictureSize extent = EquationsPicture().extent;
    EXPECT_EQ(PictureSizeInPixels(extent, 96, 96), (PictureSize{433, 121}));
    EXPECT_EQ(PictureSizeInPixels(extent, 120, 120), (PictureSize{541, 152}));
    // Width and height take their own density.
    EXPECT_EQ(PictureSizeInPixels(extent, 120, 96), (PictureSize{541, 121}));
    EXPECT_EQ(PictureSizeInPixels(PictureSize{0, 0}, 96, 96), (PictureSize{0, 0}));
}

TEST(PictureRenderer, MappingScalesAndOffsetsEachAxis)
{
    const PictureMapping mapping(PictureSize{200, 100}, platform::PixelBox{10, 20, 110, 320});
    ASSERT_TRUE(mapping.IsValid());
    EXPECT_EQ(mapping.X(0), 10);
    EXPECT_EQ(mapping.X(200), 110);
    EXPECT_EQ(mapping.X(3), 12);  // 1.5 rounds to 2
    EXPECT_EQ(mapping.X(5), 12);  // 2.5 rounds to 2
    EXPECT_EQ(mapping.Y(50), 170);
    EXPECT_EQ(mapping.Height(10), 30);

    EXPECT_FALSE(PictureMapping(PictureSize{0, 100}, platform::PixelBox{0, 0, 10, 10}).IsValid());
    EXPECT_FALSE(PictureMapping(PictureSize{100, 0}, platform::PixelBox{0, 0, 10, 10}).IsValid());
    EXPECT_FALSE(PictureMapping(PictureSize{100, 100}, platform::PixelBox{0, 0, 0, 10}).IsValid());
}

TEST(PictureRenderer, NothingIsDrawnWithoutAWindowOrATarget)
{
    VectorPicture picture = EquationsPicture();
    QImage image = whiteImage(QSize(50, 50));
    draw(image, picture, QRect(0, 0, 0, 0));
    picture.window = PictureSize{0, 0};
    draw(image, picture, image.rect());
    EXPECT_EQ(ink_scan::blackCount(image, image.rect()), 0);
}

TEST(PictureRenderer, RuleCoversItsMappedSpanAndPenWidth)
{
    // Window 100 x 100 onto 200 x 100 pixels at (4, 6): x doubles, y stays.
    const VectorPicture picture{PictureSize{100, 100}, PictureSize{}, {}, {PictureRule{60, 10, 50, 10}}};
    QImage image = whiteImage(QSize(220, 120));
    draw(image, picture, QRect(4, 6, 200, 100));
    const auto box = ink_scan::blackBox(image, image.rect());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(*box, QRect(QPoint(24, 51), QPoint(123, 60)));
    EXPECT_EQ(ink_scan::blackCount(image, image.rect()), 100 * 10);

    // A pen thinner than a pixel still draws one pixel.
    const VectorPicture thin{PictureSize{1000, 1000}, PictureSize{}, {}, {PictureRule{0, 500, 500, 2}}};
    QImage thinImage = whiteImage(QSize(100, 100));
    draw(thinImage, thin, thinImage.rect());
    EXPECT_EQ(ink_scan::blackBox(thinImage, thinImage.rect()), QRect(0, 50, 50, 1));
}

TEST(PictureRenderer, GlyphSitsOnItsBaselineAtTheMappedEmHeight)
{
    // Window 200 x 200 onto 100 x 100 pixels: an em of 80 units is 40 pixels.
    const VectorPicture picture{PictureSize{200, 200}, PictureSize{}, {PictureGlyph{U'H', GlyphSlant::Upright, 40, 160, 80}}, {}};
    QImage image = whiteImage(QSize(110, 110));
    draw(image, picture, QRect(5, 5, 100, 100));
    const QFontMetrics metrics(pictureQFont(GlyphSlant::Upright, 40));
    const auto box = ink_scan::blackBox(image, image.rect());
    ASSERT_TRUE(box.has_value());
    // The flat bottom of H ends on the row above the baseline (5 + 80).
    EXPECT_EQ(box->bottom(), 84);
    EXPECT_NEAR(box->top(), 85 - metrics.capHeight(), 1);
    EXPECT_NEAR(box->left(), 25 + metrics.leftBearing(QLatin1Char('H')), 1);
}

TEST(PictureRenderer, EveryCharacterOfTheEquationsIsInTheSerifFace)
{
    std::set<std::pair<char32_t, GlyphSlant>> seen;
    for (const PictureGlyph& glyph : EquationsPicture().glyphs) {
        if (!seen.insert({glyph.character, glyph.slant}).second)
            continue;
        const QFont font = pictureQFont(glyph.slant, 16);
        EXPECT_TRUE(QFontMetrics(font).inFontUcs4(glyph.character))
            << "U+" << std::hex << static_cast<unsigned>(glyph.character);
        EXPECT_TRUE(QRawFont::fromFont(font).supportsCharacter(glyph.character))
            << "U+" << std::hex << static_cast<unsigned>(glyph.character);
    }
    const QFontInfo info(pictureQFont(GlyphSlant::Italic, 16));
    EXPECT_TRUE(info.italic());
    EXPECT_TRUE(info.family().contains(QStringLiteral("Serif")) || info.family().contains(QStringLiteral("Times")))
        << info.family().toStdString();
}

TEST(PictureRenderer, PixelsDoNotDependOnTheImageResolution)
{
    // Fonts are set in pixels, so the device's own resolution must not scale them.
    const VectorPicture picture = EquationsPicture();
    QImage normal = whiteImage(QSize(541, 152));
    QImage dense = whiteImage(QSize(541, 152));
    dense.setDotsPerMeterX(7559); // 192 dots per inch
    dense.setDotsPerMeterY(7559);
    draw(normal, picture, normal.rect());
    draw(dense, picture, dense.rect());
    EXPECT_GT(ink_scan::blackCount(normal, normal.rect()), 0);
    EXPECT_EQ(normal, dense);
}
