// Where the figure's parts lie: exactly where the logical geometry puts them
// for an upright body, and for swung bodies the very extended values of an
// x86-64 build, so that every processor draws the same device pixels.
#include "figure/PendulumGeometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numbers>

using figure::PendulumGeometryOf;
using platform::Extended;

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

void ExpectPoint(figure::Point point, double x, double y, const char* name)
{
    EXPECT_EQ(point.x, Extended(x)) << name;
    EXPECT_EQ(point.y, Extended(y)) << name;
}

} // namespace

TEST(PendulumGeometry, UprightBodyLiesOnItsLogicalPixels)
{
    const figure::PendulumGeometry figure = PendulumGeometryOf(200, 100, 320, 0.0);
    ExpectPoint(figure.pivot, 200, 100, "pivot");
    ExpectPoint(figure.centre, 200, 420, "centre of mass");
    ExpectPoint(figure.pivotSide1, 250, 100, "side 1 at the pivot");
    ExpectPoint(figure.pivotSide2, 150, 100, "side 2 at the pivot");
    ExpectPoint(figure.farSide1, 250, 420, "side 1 at the far end");
    ExpectPoint(figure.farSide2, 150, 420, "side 2 at the far end");
    ExpectPoint(figure.pivotEnd.first, 250, 50, "pivot's end");
    ExpectPoint(figure.pivotEnd.second, 150, 150, "pivot's end");
    ExpectPoint(figure.farEnd.first, 250, 370, "far end");
    ExpectPoint(figure.farEnd.second, 150, 470, "far end");
    ExpectPoint(figure.pivotDot.first, 204, 96, "pivot's dot");
    ExpectPoint(figure.pivotDot.second, 196, 104, "pivot's dot");
    ExpectPoint(figure.centreDot.first, 204, 416, "centre's dot");
    ExpectPoint(figure.centreDot.second, 196, 424, "centre's dot");

    // Hanging upwards, the far end lies above the pivot.
    const figure::PendulumGeometry upwards = PendulumGeometryOf(200, 100, -320, 0.0);
    ExpectPoint(upwards.centre, 200, -220, "centre of mass");
    ExpectPoint(upwards.farEnd.second, 150, -170, "far end");
}

// The values an x86-64 build computes with the processor's extended type and
// sine, as significand and exponent.
TEST(PendulumGeometry, SwungBodyHasTheExtendedValuesOfTheProcessor)
{
    struct Case {
        double degrees;
        int length;
        Extended centreX, centreY, farSide1X, farSide2Y;
        int pixelX, pixelY;
    };
    const auto value = [](std::uint64_t significand, int exponent) {
        return platform::ExtendedFromParts(significand, exponent);
    };
    const Case cases[] = {
        {-9.84, 320, value(0x915015B6A2EEDE76, -56), value(0xCFA56E32F1A6540F, -55), value(0xC293C8268E72D8BB, -56),
         value(0xCB5FAFE53660FD70, -55), 145, 415},
        {-9.84, -120, value(0xDC81F7DB82E66C94, -56), -value(0x91E09531A9E5F85C, -59), value(0x86E2D525B735336C, -55),
         -value(0xD63C7A0D5E3B6248, -59), 221, -18},
        {90.3, 320, value(0x81FFB821C414681A, -54), value(0xC4A623C273D9751E, -57), value(0x81EEF6D49057A764, -54),
         value(0x9452E4F654797B9F, -56), 520, 98},
        {179.7, 320, value(0xC9ACEE1EC61391FD, -56), -value(0xDBFEE0871051A002, -56), value(0x97AD1B09AB86D0FD, -56),
         -value(0xDBBBDB52415E9133, -56), 202, -220},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        const figure::PendulumGeometry figure = PendulumGeometryOf(200, 100, c.length, Radians(c.degrees));
        EXPECT_EQ(figure.centre.x, c.centreX);
        EXPECT_EQ(figure.centre.y, c.centreY);
        EXPECT_EQ(figure.farSide1.x, c.farSide1X);
        EXPECT_EQ(figure.farSide2.y, c.farSide2Y);
        EXPECT_EQ(figure.centreDot.first.x, c.centreX + Extended(figure::DotRadius)) << "the dot's box, 4 to the right";
        const figure::Pixel pixel = figure::CentrePixel(figure);
        EXPECT_EQ(pixel.x, c.pixelX);
        EXPECT_EQ(pixel.y, c.pixelY);
    }
}
