#include "chart/ValueStatistics.h"
#include "platform/DoubleBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double noNumber = std::numeric_limits<double>::quiet_NaN();

// The rule as it is written: one value after the other.
ValueExtremes ExtremesInOrder(const std::vector<double>& stored, double multiplier)
{
    if (stored.empty())
        return {};
    ValueExtremes result{stored[0] * multiplier, stored[0] * multiplier};
    for (std::size_t i = 1; i < stored.size(); ++i) {
        const double v = stored[i] * multiplier;
        if (v < result.lowest)
            result.lowest = v;
        else if (v > result.highest)
            result.highest = v;
    }
    return result;
}

// Equal bit for bit, so that 0 and -0 and the NaNs count as what they are.
void ExpectSameBits(double actual, double expected, const char* what, std::size_t size)
{
    EXPECT_EQ(platform::DoubleBits(actual), platform::DoubleBits(expected))
        << what << " of " << size << " values: " << actual << " instead of " << expected;
}

void ExpectRule(const std::vector<double>& stored, double multiplier = 1.0)
{
    const ValueExtremes expected = ExtremesInOrder(stored, multiplier);
    const ValueExtremes actual = ScanExtremes(stored, multiplier);
    ExpectSameBits(actual.lowest, expected.lowest, "lowest", stored.size());
    ExpectSameBits(actual.highest, expected.highest, "highest", stored.size());
}

} // namespace

TEST(ValueStatistics, ExtremesOfKnownLists)
{
    // Worked out by hand, so that the rule the other tests compare with is
    // pinned too: of equal extremes the first stays (0 before -0 and the
    // reverse), numbers after a first value that is no number change nothing,
    // later values that are no number are passed over.
    struct Case {
        std::vector<double> stored;
        double multiplier;
        double lowest;
        double highest;
    };
    const Case cases[] = {
        {{2, -1, 5, -1, 5}, 1.0, -1, 5},
        {{1, -2, 4}, -2.0, -8, 4},
        {{0.0, -0.0, 1}, 1.0, 0.0, 1},
        {{-0.0, 0.0, 1}, 1.0, -0.0, 1},
        {{1, 0.0, -0.0}, 1.0, 0.0, 1},
        {{-1, -0.0, 0.0}, 1.0, -1, -0.0},
        {{3, noNumber, -4, 9, noNumber}, 1.0, -4, 9},
        {{noNumber, 1, -4}, 1.0, noNumber, noNumber},
        {{-INFINITY, 2, INFINITY}, 1.0, -INFINITY, INFINITY},
        {{7}, 1.0, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.stored));
        const ValueExtremes actual = ScanExtremes(c.stored, c.multiplier);
        ExpectSameBits(actual.lowest, c.lowest, "lowest", c.stored.size());
        ExpectSameBits(actual.highest, c.highest, "highest", c.stored.size());
    }
}

TEST(ValueStatistics, ExtremesFollowTheRuleOnEveryLengthAndPlace)
{
    EXPECT_EQ(ScanExtremes({}, 1.0).lowest, 0);
    EXPECT_EQ(ScanExtremes({}, 1.0).highest, 0);
    // The extremes at every place of short lists, so that each lane and the
    // values after the last whole group get them.
    for (std::size_t size = 1; size <= 11; ++size) {
        for (std::size_t low = 0; low < size; ++low) {
            for (std::size_t high = 0; high < size; ++high) {
                if (low == high && size > 1)
                    continue;
                std::vector<double> values(size, 5.0);
                values[low] = -3.0;
                values[high] = 9.0;
                ExpectRule(values);
                ExpectRule(values, -2.5);
            }
        }
    }
    std::mt19937 random(11);
    std::normal_distribution<double> spread(0, 100);
    std::vector<double> walk;
    for (int i = 0; i < 100003; ++i)
        walk.push_back(spread(random));
    ExpectRule(walk);
    ExpectRule(walk, 0.001);
}

TEST(ValueStatistics, TheFirstOfEqualExtremesAndNoNumbersAreKeptAsTheRuleKeepsThem)
{
    // Zeros of both signs as the extremes, in every order and lane.
    for (std::size_t size = 2; size <= 12; ++size) {
        for (std::size_t a = 0; a < size; ++a) {
            for (std::size_t b = 0; b < size; ++b) {
                if (a == b)
                    continue;
                std::vector<double> values(size, 1.0);
                values[a] = 0.0;
                values[b] = -0.0;
                ExpectRule(values);
                std::vector<double> negative(size, -1.0);
                negative[a] = -0.0;
                negative[b] = 0.0;
                ExpectRule(negative);
            }
        }
    }
    // A first value that is no number stays both extremes; later ones are passed over.
    ExpectRule({noNumber, 1, -4, 7, 2, 9});
    ExpectRule({3, noNumber, -4, noNumber, 2, 9, noNumber, noNumber, noNumber});
    ExpectRule({noNumber});
    ExpectRule({-INFINITY, 2, INFINITY, 3, 4});
    // A multiplier that turns the values into no numbers.
    ExpectRule({0, 1, 2, 3, 4}, INFINITY);
}

TEST(ValueStatistics, SumsAddInIndexOrder)
{
    const ValueSums none = ScanSums({}, 1.0);
    EXPECT_EQ(none.sum, 0);
    EXPECT_EQ(none.absoluteSum, 0);
    // 1e16 + 1 + 1 rounds each addition away; 1 + 1 + 1e16 does not.
    const std::vector<double> big{1e16, 1, 1, -3};
    EXPECT_EQ(ScanSums(big, 1.0).sum, ((1e16 + 1) + 1) - 3);
    EXPECT_EQ(ScanSums(big, 1.0).absoluteSum, ((1e16 + 1) + 1) + 3);
    const std::vector<double> small{1, 1, 1e16, -3};
    EXPECT_EQ(ScanSums(small, -2.0).sum, ((-2.0 - 2.0) - 2e16) + 6);
    EXPECT_EQ(ScanSums(small, -2.0).absoluteSum, ((2.0 + 2.0) + 2e16) + 6);
}
