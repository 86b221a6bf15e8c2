// The overflow check of the text-to-number conversion against the exact
// threshold, and where long double is the x87 type against the C library's
// conversion to it.
#include "platform/ExtendedRange.h"
#include "tests/platform/LongDoubleBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

using platform::ExceedsExtendedRange;

namespace {

// The threshold (2 - 2^-64) x 2^16383 to 25 digits; it has 4933 digits.
const std::string thresholdLead = "1189731495357231765053511";

} // namespace

TEST(ExtendedRange, OrdersOfMagnitude)
{
    EXPECT_FALSE(ExceedsExtendedRange("", 100000)) << "zero";
    EXPECT_TRUE(ExceedsExtendedRange("1", 4933));
    EXPECT_TRUE(ExceedsExtendedRange("2", 4932));
    EXPECT_FALSE(ExceedsExtendedRange("1", 4932));
    EXPECT_FALSE(ExceedsExtendedRange("118973149535723176", 4932 - 17));
    EXPECT_TRUE(ExceedsExtendedRange("118973149535723177", 4932 - 17));
    EXPECT_FALSE(ExceedsExtendedRange(std::string(10000, '1'), -5068)) << "0.111... x 10^4933";
}

TEST(ExtendedRange, ExactlyAtTheThreshold)
{
    // The threshold's own digits overflow; one unit less in any place far
    // down does not, nor do more digits after a smaller one.
    std::string below = thresholdLead;
    below.back() = '0';
    const long long exponent = 4933 - static_cast<long long>(thresholdLead.size());
    EXPECT_TRUE(ExceedsExtendedRange(thresholdLead + "9", exponent - 1));
    EXPECT_FALSE(ExceedsExtendedRange(below + std::string(5000, '9'), exponent - 5000));
}

#ifdef KYVADLO_LONG_DOUBLE_IS_X87

TEST(ExtendedRangeAgainstProcessor, AgreesWithTheLibrarysConversionAroundTheThreshold)
{
    std::mt19937_64 bits(11);
    for (int i = 0; i < 2000; ++i) {
        // The threshold's leading digits with a random change in one of them
        // and a random tail.
        std::string digits = thresholdLead;
        digits[bits() % digits.size()] = static_cast<char>('0' + bits() % 10);
        if (digits.front() == '0')
            digits.front() = '1';
        const int tail = static_cast<int>(bits() % 40);
        for (int t = 0; t < tail; ++t)
            digits.push_back(static_cast<char>('0' + bits() % 10));
        const long long exponent = 4933 - static_cast<long long>(digits.size()) - static_cast<long long>(bits() % 3) + 1;
        const std::string text = digits + "e" + std::to_string(exponent);
        EXPECT_EQ(ExceedsExtendedRange(digits, exponent), std::isinf(std::strtold(text.c_str(), nullptr))) << text;
    }
}

#endif
