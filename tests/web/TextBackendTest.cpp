// The browser's text backend: measures as the desktop measures the chart's
// numbers, draws inside its cell and clip, turns by quarter turns exactly.
#include "web/text/StbTextBackend.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string FontFolder = "/usr/share/fonts/truetype/liberation2/";

std::vector<unsigned char> FontFile(const std::string& name)
{
    std::ifstream file(FontFolder + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class TextBackend : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(text.AddFace("Liberation Sans", FontFile("LiberationSans-Regular.ttf")));
        ASSERT_TRUE(text.AddFace("Liberation Serif", FontFile("LiberationSerif-Regular.ttf")));
        text.AddAlias("Arial", "Liberation Sans");
        text.AddAlias("Times New Roman", "Liberation Serif");
    }

    // The pixels set in a white buffer by drawing the text at (x, baseline).
    std::vector<std::pair<int, int>> Drawn(const std::string& utf8, int x, int baseline, double angle = 0.0,
                                           platform::PixelBox clip = {0, 0, 200, 200})
    {
        std::vector<std::uint32_t> pixels(200 * 200, 0xFFFFFFFFu);
        platform::PixelBuffer buffer = platform::PixelBuffer::Borrow(pixels.data(), 200, 200, 200);
        text.Draw(buffer, clip, sans, {x, baseline, 0, 0, angle}, utf8, 0x0000FF);
        std::vector<std::pair<int, int>> set;
        for (int y = 0; y < 200; ++y) {
            for (int px = 0; px < 200; ++px) {
                const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * 200 + px)];
                if (pixel != 0xFFFFFFFFu) {
                    EXPECT_EQ(pixel, 0xFF0000FFu);
                    set.emplace_back(px, y);
                }
            }
        }
        return set;
    }

    web::StbTextBackend text;
    platform::TextFont sans{"Arial", 11};
};

} // namespace

TEST_F(TextBackend, MeasuresTheChartsNumbersAndCellAsTheDesktopDoes)
{
    QFont desktopFont(QStringLiteral("Liberation Sans"));
    desktopFont.setPixelSize(11);
    desktopFont.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics desktop(desktopFont);

    const platform::TextExtent cell = text.Measure(sans, "");
    EXPECT_EQ(cell.width, 0);
    EXPECT_EQ(cell.ascent, desktop.ascent());
    EXPECT_EQ(cell.descent, desktop.descent());
    for (const char* label : {"0", "-15", "10", "0.5", "2.5", "-0.05", "1234567890", "Graf", "t [s]", "fi [°]", "délka a [m]", "J [kg.m2]", "pomalu"})
        EXPECT_EQ(text.Measure(sans, label).width, desktop.horizontalAdvance(QString::fromUtf8(label))) << label;

    // The family decides: another face measures otherwise, an unknown name
    // falls back to the first face.
    EXPECT_NE(text.Measure({"Times New Roman", 11}, "Graf").width, text.Measure(sans, "Graf").width);
    EXPECT_EQ(text.Measure({"No Such Face", 11}, "Graf").width, text.Measure(sans, "Graf").width);
}

TEST_F(TextBackend, DrawsInsideTheCellAndTheClip)
{
    const std::string label = "fi [°] ϕ0";
    const platform::TextExtent cell = text.Measure(sans, label);
    const auto set = Drawn(label, 20, 30);
    ASSERT_GT(set.size(), 20u);
    for (const auto& [x, y] : set) {
        EXPECT_GE(x, 20);
        EXPECT_LT(x, 20 + cell.width);
        EXPECT_GE(y, 30 - cell.ascent);
        EXPECT_LT(y, 30 + cell.descent);
    }
    // The degree sign and phi have glyphs of their own: the last part adds pixels.
    EXPECT_GT(set.size(), Drawn("fi [] ", 20, 30).size() + 4);

    const auto clipped = Drawn(label, 20, 30, 0.0, {0, 0, 30, 28});
    ASSERT_FALSE(clipped.empty());
    for (const auto& [x, y] : clipped) {
        EXPECT_LT(x, 30);
        EXPECT_LT(y, 28);
    }
    // Partly outside the buffer: only its pixels change.
    EXPECT_FALSE(Drawn(label, 190, 5).empty());
    // Malformed UTF-8 draws a replacement, not beyond its text.
    EXPECT_NO_THROW(Drawn(std::string("a\xE2\x82"), 20, 30));
}

TEST_F(TextBackend, QuarterTurnsMoveEveryPixelExactly)
{
    const auto upright = Drawn("t [s]", 100, 100);
    std::vector<std::pair<int, int>> turned;
    for (const auto& [x, y] : upright)
        turned.emplace_back(100 + (y - 100), 100 - (x - 100) - 1);
    std::sort(turned.begin(), turned.end(), [](auto a, auto b) { return std::tie(a.second, a.first) < std::tie(b.second, b.first); });
    EXPECT_EQ(Drawn("t [s]", 100, 100, 90.0), turned);
    EXPECT_EQ(Drawn("t [s]", 100, 100, 450.0), turned);
    EXPECT_EQ(Drawn("t [s]", 100, 100, -270.0), turned);
    EXPECT_FALSE(Drawn("t [s]", 100, 100, 30.0).empty());
}

TEST_F(TextBackend, APlacementOffsetsTheRunBeforeTheTurnAndARatioScalesFontAndPlacement)
{
    // At 90 degrees the baseline's offset runs to the right, the left offset upwards.
    EXPECT_EQ([&] {
        std::vector<std::uint32_t> pixels(200 * 200, 0xFFFFFFFFu);
        platform::PixelBuffer buffer = platform::PixelBuffer::Borrow(pixels.data(), 200, 200, 200);
        text.Draw(buffer, {0, 0, 200, 200}, sans, {100, 100, 7, 12, 90.0}, "t [s]", 0x0000FF);
        return pixels;
    }(), [&] {
        std::vector<std::uint32_t> pixels(200 * 200, 0xFFFFFFFFu);
        platform::PixelBuffer buffer = platform::PixelBuffer::Borrow(pixels.data(), 200, 200, 200);
        text.Draw(buffer, {0, 0, 200, 200}, sans, {112, 93, 0, 0, 90.0}, "t [s]", 0x0000FF);
        return pixels;
    }());

    std::vector<std::uint32_t> twice(200 * 200, 0xFFFFFFFFu);
    platform::PixelBuffer atRatio2 = platform::PixelBuffer::Borrow(twice.data(), 200, 200, 200, 2.0);
    text.Draw(atRatio2, {0, 0, 200, 200}, sans, {10, 20, 0, 9, 0.0}, "Graf", 0x0000FF);
    std::vector<std::uint32_t> large(200 * 200, 0xFFFFFFFFu);
    platform::PixelBuffer atRatio1 = platform::PixelBuffer::Borrow(large.data(), 200, 200, 200);
    text.Draw(atRatio1, {0, 0, 200, 200}, {"Arial", 22}, {20, 58, 0, 0, 0.0}, "Graf", 0x0000FF);
    EXPECT_EQ(twice, large);
    EXPECT_NE(twice, std::vector<std::uint32_t>(200 * 200, 0xFFFFFFFFu));
}

TEST_F(TextBackend, KeepsStrokesThinnerThanAPixel)
{
    // At 16 pixels the bars of the serif "=" cover no pixel by half; each
    // still shows as a row of its own.
    std::vector<std::uint32_t> pixels(40 * 40, 0xFFFFFFFFu);
    platform::PixelBuffer buffer = platform::PixelBuffer::Borrow(pixels.data(), 40, 40, 40);
    text.Draw(buffer, {0, 0, 40, 40}, {"Times New Roman", 16}, {4, 30, 0, 0, 0.0}, "=", 0x000000);
    std::vector<int> rows;
    for (int y = 0; y < 40; ++y) {
        if (std::count(pixels.begin() + y * 40, pixels.begin() + (y + 1) * 40, 0xFF000000u) >= 5)
            rows.push_back(y);
    }
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_GT(rows[1] - rows[0], 1);
}
