#include "platform/Colors.h"
#include "platform/DrawEdge.h"
#include "platform/qt/QtPixels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A picture of resolved colours, as a target of the edge would hold them.
struct Picture {
    int width;
    int height;
    std::vector<unsigned> rgb;
};

std::string mapOf(const Picture& picture)
{
    std::string map;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            map += letterOf(picture.rgb[static_cast<std::size_t>(y * picture.width + x)]);
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
    Picture picture{canvas.width(), canvas.height(),
                    std::vector<unsigned>(static_cast<std::size_t>(canvas.width() * canvas.height()), kUntouched)};
    const auto fill = [&picture](const platform::PixelBox& box, TColor color) {
        EXPECT_TRUE(box.left < box.right && box.top < box.bottom) << "an empty fill";
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                picture.rgb.at(static_cast<std::size_t>(y * picture.width + x)) = ToRgb(color) & 0xFFFFFFu;
    };
    const platform::PixelBox interior = DrawEdge(fill, platform::qt::ToPixelBox(rect), style, flags);
    return {mapOf(picture), platform::qt::ToQRect(interior)};
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
