#include "description/FigureDescription.h"

#include <gtest/gtest.h>

#include <string>

using namespace description;

namespace {

std::string Told(double degrees, int barLength = 320)
{
    return DescribeFigure(degrees, barLength, NumberStyle{","});
}

} // namespace

TEST(FigureDescription, TellsTheAngleToATenthAndWhereTheCentreOfMassIs)
{
    EXPECT_EQ(Told(-9.84), "Výchylka \u22129,8°, těžiště vlevo pod bodem závěsu.");
    EXPECT_EQ(Told(45.0), "Výchylka 45°, těžiště vpravo pod bodem závěsu.");
    EXPECT_EQ(Told(90.0), "Výchylka 90°, těžiště vpravo ve výšce bodu závěsu.");
    EXPECT_EQ(Told(170.0), "Výchylka 170°, těžiště vpravo nad bodem závěsu.");
    EXPECT_EQ(Told(-180.0), "Výchylka \u2212180°, těžiště přímo nad bodem závěsu.");
}

TEST(FigureDescription, ThePositionFollowsTheToldAngleAndTheSideTheBarIsDrawnTo)
{
    // A tenth rounds away: what is told as 0° is straight below.
    EXPECT_EQ(Told(-0.04), "Výchylka 0°, těžiště přímo pod bodem závěsu.");
    // Past a whole turn the body is where the angle within one turn puts it.
    EXPECT_EQ(Told(-190.0), "Výchylka \u2212190°, těžiště vpravo nad bodem závěsu.");
    EXPECT_EQ(Told(730.0), "Výchylka 730°, těžiště vpravo pod bodem závěsu.");
    // A negative length draws the bar upwards from the pivot.
    EXPECT_EQ(Told(30.0, -320), "Výchylka 30°, těžiště vlevo nad bodem závěsu.");
    EXPECT_EQ(Told(30.0, 0), "Výchylka 30°, těžiště v bodě závěsu.");
}
