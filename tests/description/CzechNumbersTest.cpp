#include "description/CzechNumbers.h"

#include <gtest/gtest.h>

using namespace description;

namespace {

const NumberStyle comma{","};

} // namespace

TEST(CzechNumbers, DecimalsAreRoundedWithTheMinusSignGroupsAndExponents)
{
    EXPECT_EQ(Decimal(0.8, 3, NumberStyle{"."}), "0.8");
    EXPECT_EQ(Decimal(2.99996, 3, comma), "3");
    EXPECT_EQ(Decimal(-0.0004, 3, comma), "0") << "no minus before a zero";
    EXPECT_EQ(Decimal(1234.5, 1, comma), "1234,5");
    EXPECT_EQ(Decimal(-12345.67, 1, comma), "\u221212\u00A0345,7");
    EXPECT_EQ(Decimal(-2e300, 3, comma), "\u22122E300");
    EXPECT_EQ(Whole(1234567), "1\u00A0234\u00A0567");
}

TEST(CzechNumbers, ShortestTellsAnInputAsItWasTyped)
{
    EXPECT_EQ(Shortest(0.05, comma), "0,05");
    EXPECT_EQ(Shortest(-0.0, comma), "0");
    EXPECT_EQ(Shortest(100000.0, comma), "100\u00A0000");
    EXPECT_EQ(Shortest(1e-7, comma), "1E\u22127");
    EXPECT_EQ(Shortest(-2.5e20, comma), "\u22122,5E20");
}

TEST(CzechNumbers, CountsTakeTheCzechFormsOfTheirNoun)
{
    const auto form = [](std::int64_t count) { return std::string(CountForm(count, "bod", "body", "bodů")); };
    EXPECT_EQ(form(0), "bodů");
    EXPECT_EQ(form(1), "bod");
    EXPECT_EQ(form(2), "body");
    EXPECT_EQ(form(4), "body");
    EXPECT_EQ(form(5), "bodů");
    EXPECT_EQ(form(22), "bodů") << "above 4 always the many form";
}
