#include "description/CzechNumbers.h"

#include <gtest/gtest.h>

using namespace description;

namespace {

const NumberStyle comma{","};
const NumberStyle point{"."};

} // namespace

TEST(CzechNumbers, DecimalsAreRoundedWithoutTrailingZerosAndTheMinusSign)
{
    EXPECT_EQ(Decimal(0.8, 3, comma), "0,8");
    EXPECT_EQ(Decimal(0.8, 3, point), "0.8");
    EXPECT_EQ(Decimal(-15.0, 3, comma), "\u221215");
    EXPECT_EQ(Decimal(2.99996, 3, comma), "3");
    EXPECT_EQ(Decimal(0.5069, 3, comma), "0,507");
    EXPECT_EQ(Decimal(-0.0004, 3, comma), "0") << "no minus before a zero";
    EXPECT_EQ(Decimal(-0.0, 1, comma), "0");
}

TEST(CzechNumbers, DigitsAreGroupedFromTenThousandAndHugeValuesGetAnExponent)
{
    EXPECT_EQ(Decimal(1234.5, 1, comma), "1234,5");
    EXPECT_EQ(Decimal(-12345.67, 1, comma), "\u221212\u00A0345,7");
    EXPECT_EQ(Decimal(1.5e20, 3, comma), "1,5E20");
    EXPECT_EQ(Decimal(-2e300, 3, comma), "\u22122E300");
    EXPECT_EQ(Whole(351), "351");
    EXPECT_EQ(Whole(10001), "10\u00A0001");
    EXPECT_EQ(Whole(1234567), "1\u00A0234\u00A0567");
}

TEST(CzechNumbers, ShortestTellsAnInputAsItWasTyped)
{
    EXPECT_EQ(Shortest(0.05, comma), "0,05");
    EXPECT_EQ(Shortest(10.0, comma), "10");
    EXPECT_EQ(Shortest(-0.0, comma), "0");
    EXPECT_EQ(Shortest(0.1 + 0.2, point), "0.30000000000000004");
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
    EXPECT_EQ(form(22), "bodů") << "Czech counts above 4 take the many form, 22 too";
    EXPECT_EQ(form(101), "bodů");
}
