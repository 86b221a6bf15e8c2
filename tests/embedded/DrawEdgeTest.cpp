#include "platform/Colors.h"
#include "platform/DrawEdge.h"
#include "tests/support/TestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>

using testing_support::rgbAt;

namespace {

constexpr unsigned kUntouched = 0xFF00FFu;

// Letters for the colours an edge may draw, so a whole picture can be
// compared with an expected map.
char letterOf(unsigned rgb)
{
    const auto is = [rgb](TColor color) { return rgb == (ToRgb(color) & 0xFFFFFFu); };
    if (rgb == kUntouched)
        return '.';
    if (is(clBtnShadow))
        return 's';
    if (is(clBtnHighlight))
        return 'h';
    if (is(cl3DDkShadow))
        return 'd';
    if (is(cl3DLight))
        return 'l';
    if (is(clBtnFace))
        return 'f';
    return '?';
}

std::string mapOf(const QImage& image)
{
    std::string map;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            map += letterOf(rgbAt(image, x, y));
        map += '\n';
    }
    return map;
}

struct EdgeResult {
    std::string map;
    QRect interior;
};

EdgeResult drawOn(QSize canvas, const QRect& rect, EdgeStyle style, unsigned flags)
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    const QRect interior = DrawEdge(painter, rect, style, flags);
    painter.end();
    return {mapOf(image), interior};
}

} // namespace

TEST(DrawEdge, EdgeColoursAreDistinctInThePalette)
{
    // The pixel maps below can only tell the rings apart if the palette does.
    const std::string letters{letterOf(ToRgb(clBtnShadow) & 0xFFFFFFu),
                              letterOf(ToRgb(clBtnHighlight) & 0xFFFFFFu),
                              letterOf(ToRgb(cl3DDkShadow) & 0xFFFFFFu),
                              letterOf(ToRgb(cl3DLight) & 0xFFFFFFu),
                              letterOf(ToRgb(clBtnFace) & 0xFFFFFFu)};
    EXPECT_EQ(letters, "shdlf");
}

TEST(DrawEdge, SunkenEdgeWithFilledMiddle)
{
    const EdgeResult result = drawOn(QSize(8, 7), QRect(1, 1, 6, 5), edgeSunken, bfRect | bfMiddle);
    EXPECT_EQ(result.map,
              "........\n"
              ".sssssh.\n"
              ".sdddlh.\n"
              ".sdfflh.\n"
              ".sllllh.\n"
              ".hhhhhh.\n"
              "........\n");
    EXPECT_EQ(result.interior, QRect(3, 3, 2, 1));
}

TEST(DrawEdge, RaisedEdgeLeavesTheMiddleAloneWithoutTheFlag)
{
    const EdgeResult result = drawOn(QSize(5, 5), QRect(0, 0, 5, 5), edgeRaised, bfRect);
    EXPECT_EQ(result.map,
              "lllld\n"
              "lhhsd\n"
              "lh.sd\n"
              "lsssd\n"
              "ddddd\n");
    EXPECT_EQ(result.interior, QRect(2, 2, 1, 1));
}

TEST(DrawEdge, OnlyTheChosenSidesAreDrawnAndShrunk)
{
    const EdgeResult topLeft = drawOn(QSize(5, 4), QRect(0, 0, 5, 4), edgeSunken, bfTop | bfLeft | bfMiddle);
    EXPECT_EQ(topLeft.map,
              "ssss.\n"
              "sddd.\n"
              "sdfff\n"
              "..fff\n");
    EXPECT_EQ(topLeft.interior, QRect(2, 2, 3, 2));

    const EdgeResult bottom = drawOn(QSize(4, 4), QRect(0, 0, 4, 4), EdgeStyle{EdgeRing::Sunken, EdgeRing::None}, bfBottom);
    EXPECT_EQ(bottom.map,
              "....\n"
              "....\n"
              "....\n"
              "hhhh\n");
    EXPECT_EQ(bottom.interior, QRect(0, 0, 4, 3));
}

TEST(DrawEdge, RectanglesTooSmallForTheRingsStayInside)
{
    // One pixel: the outer ring's bottom-right colour covers it, nothing else.
    const EdgeResult single = drawOn(QSize(3, 3), QRect(1, 1, 1, 1), edgeSunken, bfRect | bfMiddle);
    EXPECT_EQ(single.map, "...\n.h.\n...\n");
    EXPECT_TRUE(single.interior.isEmpty());

    const EdgeResult three = drawOn(QSize(5, 5), QRect(1, 1, 3, 3), edgeSunken, bfRect | bfMiddle);
    EXPECT_EQ(three.map,
              ".....\n"
              ".ssh.\n"
              ".slh.\n"
              ".hhh.\n"
              ".....\n");
    EXPECT_TRUE(three.interior.isEmpty());

    const EdgeResult none = drawOn(QSize(3, 3), QRect(1, 1, 0, 0), edgeSunken, bfRect | bfMiddle);
    EXPECT_EQ(none.map, "...\n...\n...\n");
}

TEST(DrawEdge, RectangleWithNegativeSizeDrawsNothing)
{
    const EdgeResult negative = drawOn(QSize(4, 4), QRect(3, 3, -3, -3), edgeSunken, bfRect | bfMiddle);
    EXPECT_EQ(negative.map, "....\n....\n....\n....\n");
    EXPECT_TRUE(negative.interior.isEmpty());
}
