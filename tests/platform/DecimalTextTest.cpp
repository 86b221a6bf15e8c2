#include "platform/DecimalText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string ToChars(double value, std::chars_format format)
{
    char text[1100];
    const auto written = std::to_chars(text, text + sizeof text, value, format);
    return std::string(text, written.ptr);
}

// Values where the shortest digits are hard to find: the ends of the range,
// subnormals, binade boundaries (where the neighbours below are closer than
// those above), halfway cases and plain decimals.
std::vector<double> HardValues()
{
    std::vector<double> values = {0.0, -0.0, 0.1, 0.3, 1.0 / 3.0, 5e-324, 2.2250738585072014e-308,
                                  std::numeric_limits<double>::max(), 1e23, 9007199254740993.0, 123456.789,
                                  -2.5, 1e-4, 999999999999999.9};
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, 2 * power));
    }
    return values;
}

} // namespace

TEST(DecimalText, ShortestDigitsAreTheStandardLibrarysShortestRoundTrip)
{
    std::vector<double> values = HardValues();
    std::mt19937_64 random(20261209);
    while (values.size() < 40000) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    int differing = 0;
    for (const double value : values) {
        // Written without an exponent only below 10^15, where the standard
        // library's fixed form is the same digits (above 2^53 it writes the
        // exact integer).
        const bool same = platform::ShortestScientific(value) == ToChars(value, std::chars_format::scientific)
                          && (std::fabs(value) >= 1e15
                              || platform::ShortestFixed(value) == ToChars(value, std::chars_format::fixed));
        if (!same && ++differing <= 5)
            ADD_FAILURE() << "differs for " << ToChars(value, std::chars_format::scientific);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(platform::FormatDecimal(0.125, 'f', 2), "0.12");
    EXPECT_EQ(platform::FormatDecimal(-1234.5, 'e', 3), "-1.234e+03");
}

// A desktop with a Czech locale: Qt takes the environment's locale for the C
// library too, whose printf then writes a comma.
// The Czech locale is compiled from the system's locale sources into a
// folder of the test's own when the system has not compiled it.
TEST(DecimalText, WritesAPointWhateverTheNumericLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const auto takeCzech = [] {
        return std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") != nullptr
               && std::string(std::localeconv()->decimal_point) == ",";
    };
    bool comma = takeCzech();
    if (!comma) {
        const std::string folder = testing::TempDir() + "kyvadlo-locales";
        std::filesystem::create_directories(folder);
        const std::string compile = "localedef -i cs_CZ -f UTF-8 " + folder + "/cs_CZ.UTF-8 >/dev/null 2>&1";
        if (std::system(compile.c_str()) == 0 && setenv("LOCPATH", folder.c_str(), 1) == 0)
            comma = takeCzech();
    }
    if (!comma) {
        std::setlocale(LC_NUMERIC, before.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const std::string shortest = platform::ShortestFixed(0.1);
    const std::string scientific = platform::ShortestScientific(-1.25e-7);
    const std::string fixed = platform::FormatDecimal(2.5, 'f', 3);
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(shortest, "0.1");
    EXPECT_EQ(scientific, "-1.25e-07");
    EXPECT_EQ(fixed, "2.500");
}
