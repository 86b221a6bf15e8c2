#include "description/FigureDescription.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Told(double degrees, int barLength = 320)
{
    return description::DescribeFigure(degrees, barLength, description::NumberStyle{","});
}

} // namespace

TEST(FigureDescription, TellsTheAngleToATenthAndWhereTheCentreOfMassIs)
{
    EXPECT_EQ(Told(-9.84), "Výchylka \u22129,8°, těžiště vlevo pod bodem závěsu.");
    EXPECT_EQ(Told(90.0), "Výchylka 90°, těžiště vpravo ve výšce bodu závěsu.");
    EXPECT_EQ(Told(-180.0), "Výchylka \u2212180°, těžiště přímo nad bodem závěsu.");
    // What is told as 0° is straight below; past a turn, the angle within one turn counts.
    EXPECT_EQ(Told(-0.04), "Výchylka 0°, těžiště přímo pod bodem závěsu.");
    EXPECT_EQ(Told(-190.0), "Výchylka \u2212190°, těžiště vpravo nad bodem závěsu.");
    // A negative length draws the bar upwards from the pivot.
    EXPECT_EQ(Told(30.0, -320), "Výchylka 30°, těžiště vlevo nad bodem závěsu.");
    EXPECT_EQ(Told(30.0, 0), "Výchylka 30°, těžiště v bodě závěsu.");
}
