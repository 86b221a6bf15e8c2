#include "platform/NumberConversion.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using platform::TextToDouble;

namespace {

double convert(const std::string& text, const std::string& separator = ".")
{
    return TextToDouble(text, separator);
}

bool refused(const std::string& text, const std::string& separator = ".")
{
    try {
        TextToDouble(text, separator);
        return false;
    } catch (const ConversionError& error) {
        return error.Message() == "'" + text + "' is not a valid floating point value";
    }
}

bool overflows(const std::string& text)
{
    try {
        TextToDouble(text, ".");
        return false;
    } catch (const FloatOverflow&) {
        return true;
    }
}

// The reference: the standard library's locale-free conversion of the same text.
double reference(const std::string& text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

} // namespace

TEST(NumberConversion, AcceptsTheDocumentedForms)
{
    EXPECT_EQ(convert(std::string("0.8")), 0.8);
    EXPECT_EQ(convert(std::string("10")), 10.0);
    EXPECT_EQ(convert(std::string("  0.05   ")), 0.05);
    EXPECT_EQ(convert(std::string("+7")), 7.0);
    EXPECT_EQ(convert(std::string("-7")), -7.0);
    EXPECT_EQ(convert(std::string("5.")), 5.0);
    EXPECT_EQ(convert(std::string(".5")), 0.5);
    EXPECT_EQ(convert(std::string("-.5")), -0.5);
    EXPECT_EQ(convert(std::string("000123.4500")), 123.45);
    EXPECT_EQ(convert(std::string("1E3")), 1000.0);
    EXPECT_EQ(convert(std::string("2.5e-2")), 0.025);
    EXPECT_EQ(convert(std::string("1e+2")), 100.0);
    EXPECT_EQ(convert(std::string("3e0000000002")), 300.0) << "leading zeros of the exponent";
}

TEST(NumberConversion, ExponentLetterWithoutDigitsReadsAsZeroExponent)
{
    EXPECT_EQ(convert(std::string("1e")), 1.0);
    EXPECT_EQ(convert(std::string("1e+")), 1.0);
    EXPECT_EQ(convert(std::string("1E-")), 1.0);
    EXPECT_EQ(convert(std::string("2.5e ")), 2.5);
}

TEST(NumberConversion, LoneSeparatorIsZero)
{
    const double zero = convert(std::string("."));
    EXPECT_EQ(zero, 0.0);
    EXPECT_FALSE(std::signbit(zero));
    EXPECT_TRUE(std::signbit(convert(std::string("-."))));
    EXPECT_EQ(convert(std::string(" +.e7 ")), 0.0);
    EXPECT_TRUE(std::signbit(convert(std::string("-0"))));
}

TEST(NumberConversion, RefusesEverythingElseWithTheTextAsTyped)
{
    for (const char* text : {"", " ", "+", "-", " - ", "e5", "+e5", "\t1", "1\t", "1 2", "1..2",
                             "1.2.", "--1", "+-1", "- 1", "1e5e", "1e++5", "0x10", "1,5",
                             "1 000", "inf", "nan", "abc", "1a", "\xc2\xa0" "1", "\xd9\xa1"})
        EXPECT_TRUE(refused(std::string(text))) << '"' << text << '"';
    EXPECT_TRUE(refused(std::string("12").append(1, '\0')));
}

TEST(NumberConversion, MessageKeepsTheSpacesOfTheText)
{
    try {
        TextToDouble("  0.8x ", ".");
        FAIL() << "accepted";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.Message(), std::string("'  0.8x ' is not a valid floating point value"));
    }
}

TEST(NumberConversion, DecimalSeparatorIsTheGivenOne)
{
    EXPECT_EQ(convert(std::string("0,8"), ","), 0.8);
    EXPECT_EQ(convert(std::string(",5e1"), ","), 5.0);
    EXPECT_TRUE(refused(std::string("0.8"), ","));
    EXPECT_TRUE(refused(std::string("0,8"), "."));
    EXPECT_TRUE(refused(std::string("1.000,5"), ","));
}

TEST(NumberConversion, ExponentStopsReadingAt500)
{
    // Within the extended range but beyond the double range: fails when stored.
    EXPECT_TRUE(overflows(std::string("1e400")));
    EXPECT_TRUE(overflows(std::string("1e499")));
    EXPECT_TRUE(overflows(std::string("1e500")));
    EXPECT_TRUE(overflows(std::string("-1e999")));
    EXPECT_TRUE(overflows(std::string("1e0000000499")));
    // A digit after the one that reached 500 is not read, so the text does not end.
    EXPECT_TRUE(refused(std::string("1e5000")));
    EXPECT_TRUE(refused(std::string("1e5001")));
    EXPECT_TRUE(refused(std::string("1e-5000")));
    // 4999 is read whole (499 < 500 before the last digit) and leaves the extended range.
    EXPECT_TRUE(refused(std::string("1e4999")));
}

TEST(NumberConversion, TheExtendedRangeDecidesBetweenRefusalAndOverflow)
{
    EXPECT_TRUE(overflows(std::string("1.18e4932")));
    EXPECT_TRUE(overflows(std::string("1189731495357231765e4914"))) << "just below the limit";
    EXPECT_TRUE(refused(std::string("1189731495357231766e4914"))) << "just above the limit";
    EXPECT_TRUE(refused(std::string("2e4932")));
    EXPECT_TRUE(refused(std::string("1") + std::string(4933, '0')));
    EXPECT_TRUE(overflows(std::string("1") + std::string(4932, '0')));
    // The value decides, not the digits: 10^5000 x 10^-4999 is 10.
    EXPECT_EQ(convert(std::string("1") + std::string(5000, '0') + std::string("e-4999")), 10.0);
    EXPECT_EQ(convert(std::string("0.") + std::string(6000, '3')), 1.0 / 3.0);
}

TEST(NumberConversion, ZeroIsZeroWithItsSignWhateverItsExponent)
{
    for (const std::string separator : {".", ","}) {
        const auto text = [&](const char* number) {
            std::string written(number);
            std::replace(written.begin(), written.end(), '.', separator[0]);
            return written;
        };
        for (const char* zero : {"0e4934", "0.0e4935", "00000e4935", "0e499", "+0.e4999", ".0E4999", "0e-4999"}) {
            const double value = convert(text(zero), separator);
            EXPECT_EQ(value, 0.0) << zero;
            EXPECT_FALSE(std::signbit(value)) << zero;
        }
        for (const char* zero : {"-0e4999", "-0.0e4935", "-00000e4935"}) {
            const double value = convert(text(zero), separator);
            EXPECT_EQ(value, 0.0) << zero;
            EXPECT_TRUE(std::signbit(value)) << zero;
        }
        // The reading rules still decide: a digit after the one that reached 500 is not read.
        EXPECT_TRUE(refused(text("0e5000"), separator));
        EXPECT_TRUE(refused(text("0.0e49999"), separator));
    }
}

TEST(NumberConversion, DoubleRangeBoundaryIsRoundedCorrectly)
{
    EXPECT_EQ(convert(std::string("1.7976931348623157e308")), std::numeric_limits<double>::max());
    EXPECT_EQ(convert(std::string("1.7976931348623158e308")), std::numeric_limits<double>::max());
    EXPECT_TRUE(overflows(std::string("1.7976931348623159e308")));
    EXPECT_TRUE(overflows(std::string("-1.8e308")));
}

TEST(NumberConversion, TinyValuesBecomeDenormalOrZeroSilently)
{
    EXPECT_EQ(convert(std::string("4.9406564584124654e-324")), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(std::fpclassify(convert(std::string("1e-310"))), FP_SUBNORMAL);
    EXPECT_EQ(convert(std::string("2e-324")), 0.0);
    EXPECT_EQ(convert(std::string("1e-400")), 0.0);
    EXPECT_EQ(convert(std::string("1e-499")), 0.0);
    EXPECT_TRUE(std::signbit(convert(std::string("-1e-499"))));
    EXPECT_EQ(convert(std::string("0.") + std::string(6000, '0') + std::string("1")), 0.0);
}

TEST(NumberConversion, ResultsAreCorrectlyRounded)
{
    EXPECT_EQ(convert(std::string("0.1")), 0x1.999999999999ap-4);
    EXPECT_EQ(convert(std::string("9.81")), 9.81);
    // Halfway between two doubles: ties to the even one; a digit further up decides.
    EXPECT_EQ(convert(std::string("9007199254740993")), 9007199254740992.0);
    EXPECT_EQ(convert(std::string("9007199254740995")), 9007199254740996.0);
    EXPECT_EQ(convert(std::string("9007199254740993.0000000000000000000001")), 9007199254740994.0);
    EXPECT_EQ(convert(std::string("2.2250738585072011e-308")), 0x0.fffffffffffffp-1022);
}

TEST(NumberConversion, RandomNumbersMatchTheStandardConversion)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> digitCount(1, 25);
    std::uniform_int_distribution<int> digit(0, 9);
    // Kept small enough that every value is a normal double.
    std::uniform_int_distribution<int> exponent(-280, 280);
    std::bernoulli_distribution coin;
    for (int i = 0; i < 20000; ++i) {
        std::string integerPart;
        std::string fractionPart;
        for (int n = digitCount(random); n > 0; --n)
            integerPart.push_back(static_cast<char>('0' + digit(random)));
        for (int n = digitCount(random) - 1; n > 0; --n)
            fractionPart.push_back(static_cast<char>('0' + digit(random)));
        std::string exponentPart;
        if (coin(random))
            exponentPart.append("e").append(std::to_string(exponent(random)));
        const bool negative = coin(random);
        const auto text = [&](char separator) {
            std::string number(negative ? "-" : "");
            return number.append(integerPart).append(1, separator).append(fractionPart).append(exponentPart);
        };

        const std::string dotted = text('.');
        const std::string commaText = text(',');
        const double expected = reference(dotted);
        ASSERT_EQ(convert(dotted), expected) << dotted;
        ASSERT_EQ(convert(commaText, ","), expected) << commaText;
    }
}
