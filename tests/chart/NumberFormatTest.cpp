#include "chart/NumberFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const std::string defaultFormat = std::string("#,##0.###");
const TNumberSeparators english{".", ","};

struct Case {
    double value;
    const char* text;
};

void ExpectFormats(const std::string& format, std::initializer_list<Case> cases,
    const TNumberSeparators& separators = english)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << format << " of " << c.value);
        EXPECT_EQ(FormatNumber(format, c.value, separators), c.text);
    }
}

} // namespace

TEST(NumberFormat, DefaultFormatRoundsAtTheThirdDecimalWithHalvesAwayFromZero)
{
    ExpectFormats(defaultFormat, {
        {12.3456, "12.346"},
        {12.3454, "12.345"},
        {0.0005, "0.001"},   // the double lies a hair above the half
        {2.0005, "2.001"},
        {-0.0005, "-0.001"},
        {0.0015, "0.002"},   // halves go away from zero, not to the even digit
        {0.0025, "0.003"},
        {1.0005, "1"},       // its double lies below the half: 1.000499999...
        {0.00049, "0"},
        {999.9996, "1,000"}, // the carry runs through every digit
        {0.1 + 0.2, "0.3"},  // the error of the sum lies far below the third decimal
        {1.10, "1.1"},
        {2.0, "2"},
        {0.5, "0.5"},
    });
}

TEST(NumberFormat, DefaultFormatGroupsThousandsAndNeverWritesMinusZero)
{
    ExpectFormats(defaultFormat, {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {-1234.5, "-1,234.5"},
        {100000, "100,000"},
        {1234567.891, "1,234,567.891"},
        {-1e-13, "0"},  // left a hair below zero by subtracting steps
        {-0.0004, "0"},
        {-0.0, "0"},
        {-15, "-15"},
    });
}

TEST(NumberFormat, LocaleSeparatorsReplaceThePointAndTheComma)
{
    const TNumberSeparators czech{",", "\u00A0"};
    EXPECT_EQ(FormatNumber(defaultFormat, 1234.5, czech), std::string("1\u00A0234,5"));
    EXPECT_EQ(FormatNumber(defaultFormat, -0.25, czech), std::string("-0,25"));
    const TNumberSeparators german{",", "."};
    EXPECT_EQ(FormatNumber(defaultFormat, 1234567.125, german), std::string("1.234.567,125"));
}

TEST(NumberFormat, HugeValuesInfinitiesAndNaNUseTheGeneralFormat)
{
    const double infinity = std::numeric_limits<double>::infinity();
    ExpectFormats(defaultFormat, {
        {123456789012345678.0, "123,456,789,012,345,680"}, // 18 integer digits: still written out
        {999999999999999872.0, "999,999,999,999,999,872"},
        {1e18, "1E18"},
        {1.5e20, "1.5E20"},
        {-2.5e19, "-2.5E19"},
        {1.234567890123456789e25, "1.23456789012346E25"},
        {infinity, "INF"},
        {-infinity, "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
    });
    const TNumberSeparators czech{",", " "};
    EXPECT_EQ(FormatNumber(defaultFormat, 1.5e20, czech), std::string("1,5E20"));
}

TEST(NumberFormat, OtherFormatStrings)
{
    ExpectFormats(std::string("0.00"), {{3.14159, "3.14"}, {2, "2.00"}, {-0.001, "0.00"}, {-0.005, "-0.01"}});
    ExpectFormats(std::string("000"), {{7, "007"}, {1234, "1234"}});
    ExpectFormats(std::string("#.##"), {{0.5, ".5"}, {12.5, "12.5"}, {3, "3"}});
    ExpectFormats(std::string("#"), {{0, ""}, {0.4, ""}, {42.5, "43"}});
    ExpectFormats(std::string("0.0#"), {{1.5, "1.5"}, {1.25, "1.25"}, {1.256, "1.26"}, {1, "1.0"}});
    ExpectFormats(std::string("#,##0 'kg'"), {{1500, "1,500 kg"}, {-2, "-2 kg"}});
    ExpectFormats(std::string("\"t = \"0.0\" s\""), {{1.25, "t = 1.3 s"}});
    ExpectFormats(std::string("0.00E+00"), {{12345, "1.23E+04"}, {-0.00012345, "-1.23E-04"}, {9.999, "1.00E+01"},
                                                {0, "0.00E+00"}});
    ExpectFormats(std::string("0.0e-0"), {{0.00012345, "1.2e-4"}, {250, "2.5e2"}});
}

TEST(NumberFormat, SectionsForNegativeAndZeroValues)
{
    const std::string format = std::string("0.0;(0.0);'zero'");
    ExpectFormats(format, {{3, "3.0"}, {-2.5, "(2.5)"}, {0.01, "zero"}, {-0.01, "zero"}});
    // An empty negative section falls back to the first, with a sign.
    ExpectFormats(std::string("0.0;;-"), {{-2.5, "-2.5"}, {0, "-"}});
}

TEST(NumberFormat, EmptyFormatAndTheGeneralFormat)
{
    ExpectFormats(std::string(), {{1.5, "1.5"}, {-1234567.25, "-1234567.25"}, {0, "0"}});
    EXPECT_EQ(FormatGeneral(0.0001, 15, "."), std::string("0.0001"));
    EXPECT_EQ(FormatGeneral(0.00001, 15, "."), std::string("1E-5"));
    EXPECT_EQ(FormatGeneral(-0.1, 15, ","), std::string("-0,1"));
    EXPECT_EQ(FormatGeneral(123456789012345.0, 15, "."), std::string("123456789012345"));
    EXPECT_EQ(FormatGeneral(1234567890123456.0, 15, "."), std::string("1.23456789012346E15"));
    EXPECT_EQ(FormatGeneral(0.1 + 0.2, 15, "."), std::string("0.3"));
}

// One format writes the labels of many paints: a value written again, after
// other separators or many other values, has the text it has on its own.
TEST(NumberFormat, AFormatWritesEveryValueAsOnItsOwnAcrossSeparatorsAndManyValues)
{
    const TNumberFormat format(std::string("#,##0.###;(#,##0.###)"));
    const TNumberSeparators point;
    const TNumberSeparators czech{",", "\u00A0"};
    for (int round = 0; round < 3; ++round) {
        for (int i = -600; i <= 600; i += 7) {
            const double value = i * 12.3456;
            for (const TNumberSeparators& separators : {point, czech})
                ASSERT_EQ(format.Write(value, separators), FormatNumber(format.Text(), value, separators)) << value;
        }
    }
    EXPECT_EQ(format.Write(1234.5, czech), std::string("1\u00A0234,5"));
    EXPECT_EQ(format.Write(1234.5, point), std::string("1,234.5"));
}
