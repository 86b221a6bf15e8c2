#include "chart/ValueList.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

std::vector<double> Values(const TChartValueList& list)
{
    std::vector<double> values;
    for (int i = 0; i < list.ValueCount(); ++i)
        values.push_back(list.ValueAt(i));
    return values;
}

void Fill(TChartValueList& list, std::initializer_list<double> values)
{
    for (double v : values)
        list.InsertAt(list.ValueCount(), v);
}

// Runs the action, which must fail with the list error for index, and checks
// that the list kept its values.
template <typename Action>
void ExpectIndexError(TChartValueList& list, int index, Action action)
{
    const std::vector<double> before = Values(list);
    try {
        action();
        FAIL() << "no error for index " << index;
    } catch (const ListIndexError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_EQ(Values(list), before);
}

} // namespace

TEST(ValueList, AscendingOrderPutsEqualValuesAfterTheStoredOnes)
{
    TChartValueList list(nullptr, std::string("X"));
    list.SetOrder(loAscending);
    EXPECT_EQ(list.AddInOrder(1), 0);
    EXPECT_EQ(list.AddInOrder(3), 1);
    EXPECT_EQ(list.AddInOrder(2), 1);
    EXPECT_EQ(list.AddInOrder(2), 2); // after the 2 already there
    EXPECT_EQ(list.AddInOrder(3), 4); // appended
    EXPECT_EQ(list.AddInOrder(0), 0);
    EXPECT_EQ(Values(list), (std::vector<double>{0, 1, 2, 2, 3, 3}));
}

TEST(ValueList, DescendingAndUnorderedLists)
{
    TChartValueList descending(nullptr, std::string("X"));
    descending.SetOrder(loDescending);
    EXPECT_EQ(descending.AddInOrder(5), 0);
    EXPECT_EQ(descending.AddInOrder(1), 1);
    EXPECT_EQ(descending.AddInOrder(3), 1);
    EXPECT_EQ(descending.AddInOrder(3), 2);
    EXPECT_EQ(descending.AddInOrder(9), 0);
    EXPECT_EQ(Values(descending), (std::vector<double>{9, 5, 3, 3, 1}));

    TChartValueList unordered(nullptr, std::string("Y"));
    EXPECT_EQ(unordered.AddInOrder(5), 0);
    EXPECT_EQ(unordered.AddInOrder(1), 1);
    EXPECT_EQ(Values(unordered), (std::vector<double>{5, 1}));
}

TEST(ValueList, OrderChangesOnlyWhereLaterValuesGo)
{
    TChartValueList list(nullptr, std::string("Y"));
    Fill(list, {3, 1, 2});
    list.SetOrder(loAscending);
    EXPECT_EQ(Values(list), (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(list.AddInOrder(2.5), 3);
}

TEST(ValueList, MultiplierScalesReadsAndStatisticsButNotStorageOrOrdering)
{
    TChartValueList list(nullptr, std::string("X"));
    list.SetOrder(loAscending);
    list.AddInOrder(1);
    list.AddInOrder(-2);
    list.AddInOrder(4);
    EXPECT_DOUBLE_EQ(list.HighestValue(), 4);

    list.SetMultiplier(-2.0);
    EXPECT_TRUE(list.StatisticsDirty());
    EXPECT_EQ(Values(list), (std::vector<double>{4, -2, -8}));
    EXPECT_EQ(list.StoredValueAt(2), 4);
    EXPECT_EQ(list.LowestValue(), -8);
    EXPECT_EQ(list.HighestValue(), 4);
    EXPECT_EQ(list.ValueSum(), -6);
    EXPECT_EQ(list.AbsoluteSum(), 14);
    EXPECT_EQ(list.LastValue(), -8);
    EXPECT_EQ(list.IndexOfValue(-2), 1);
    EXPECT_EQ(list.IndexOfValue(1), -1);

    // Order compares the stored values: 5 goes last although it reads as -10.
    EXPECT_EQ(list.AddInOrder(5), 3);
}

TEST(ValueList, StatisticsAreRecomputedAfterEveryKindOfChange)
{
    TChartValueList list(nullptr, std::string("Y"));
    EXPECT_TRUE(list.StatisticsDirty());
    EXPECT_EQ(list.LowestValue(), 0);
    EXPECT_EQ(list.HighestValue(), 0);
    EXPECT_EQ(list.ValueSum(), 0);
    EXPECT_FALSE(list.StatisticsDirty());

    list.InsertAt(0, -3);
    list.InsertAt(1, 7);
    list.InsertAt(1, 2);
    EXPECT_EQ(list.LowestValue(), -3);
    EXPECT_EQ(list.HighestValue(), 7);
    EXPECT_EQ(list.ValueSum(), 6);
    EXPECT_EQ(list.AbsoluteSum(), 12);

    list.SetValueAt(2, -10);
    EXPECT_EQ(list.LowestValue(), -10);
    EXPECT_EQ(list.HighestValue(), 2);
    list.RemoveAt(0);
    EXPECT_EQ(list.ValueSum(), -8);
    list.RemoveAll();
    EXPECT_EQ(list.ValueCount(), 0);
    EXPECT_EQ(list.HighestValue(), 0);
}

TEST(ValueList, RotateMovesTheFirstValueToTheEndAndKeepsTheStatistics)
{
    TChartValueList list(nullptr, std::string("Y"));
    Fill(list, {1, 2, 3});
    EXPECT_EQ(list.HighestValue(), 3);
    list.RotateValues();
    EXPECT_EQ(Values(list), (std::vector<double>{2, 3, 1}));
    EXPECT_FALSE(list.StatisticsDirty());

    TChartValueList empty(nullptr, std::string("Y"));
    empty.RotateValues();
    EXPECT_EQ(empty.ValueCount(), 0);
}

TEST(ValueList, StatisticsReadBeforeARotationAreThoseOfTheOldOrder)
{
    // Added in this order the ones vanish in the rounding; after the
    // rotation they would not.
    TChartValueList sums(nullptr, std::string("Y"));
    Fill(sums, {1e16, 1, 1});
    EXPECT_EQ(sums.HighestValue(), 1e16);
    sums.RotateValues();
    EXPECT_FALSE(sums.StatisticsDirty());
    EXPECT_EQ(sums.ValueSum(), 1e16);

    // Of equal extremes the first one counts: 0 before -0.
    TChartValueList zeros(nullptr, std::string("Y"));
    Fill(zeros, {0.0, -0.0, 1});
    EXPECT_EQ(zeros.AbsoluteSum(), 1);
    zeros.RotateValues();
    EXPECT_FALSE(std::signbit(zeros.LowestValue()));
    zeros.SetValueAt(2, 1);
    EXPECT_TRUE(zeros.StatisticsDirty());
    EXPECT_TRUE(std::signbit(zeros.LowestValue()));
}

TEST(ValueList, IndexErrorsNameTheIndexAndChangeNothing)
{
    TChartValueList list(nullptr, std::string("Y"));
    Fill(list, {1, 2, 3});
    ExpectIndexError(list, 3, [&] { list.ValueAt(3); });
    ExpectIndexError(list, -1, [&] { list.ValueAt(-1); });
    ExpectIndexError(list, 5, [&] { list.SetValueAt(5, 0); });
    ExpectIndexError(list, 3, [&] { list.RemoveAt(3); });
    ExpectIndexError(list, 4, [&] { list.InsertAt(4, 0); });
    ExpectIndexError(list, 7, [&] { list.Exchange(0, 7); });
    list.InsertAt(3, 4); // at the count: appends
    EXPECT_EQ(list.LastValue(), 4);

    TChartValueList empty(nullptr, std::string("Y"));
    ExpectIndexError(empty, -1, [&] { empty.LastValue(); });
}

TEST(ValueList, SortByOrderSortsAscendingAndDescendingWithRepeatedValues)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(0, 5);
    for (int round = 0; round < 200; ++round) {
        TChartValueList list(nullptr, std::string("X"));
        const int count = round % 17;
        for (int i = 0; i < count; ++i)
            list.InsertAt(i, value(random));
        std::vector<double> expected = Values(list);

        list.SetOrder(round % 2 == 0 ? loAscending : loDescending);
        list.SortByOrder();
        if (list.Order() == loAscending)
            std::sort(expected.begin(), expected.end());
        else
            std::sort(expected.begin(), expected.end(), std::greater<>());
        ASSERT_EQ(Values(list), expected) << "round " << round;
    }
}

TEST(ValueList, SortByOrderLeavesAnUnorderedListAlone)
{
    TChartValueList list(nullptr, std::string("Y"));
    Fill(list, {3, 1, 2});
    list.SortByOrder();
    EXPECT_EQ(Values(list), (std::vector<double>{3, 1, 2}));
}

TEST(ValueList, AssignCopiesSettingsButNotValues)
{
    TChartValueList source(nullptr, std::string("Y"));
    Fill(source, {1, 2});
    source.SetOrder(loDescending);
    source.SetDateTime(true);
    source.SetMultiplier(3);
    source.SetValueSource(std::string("Field"));
    TChartValueList target(nullptr, std::string("Y"));
    Fill(target, {5});
    target.Assign(source);
    EXPECT_EQ(target.Order(), loDescending);
    EXPECT_TRUE(target.DateTime());
    EXPECT_EQ(target.Multiplier(), 3);
    EXPECT_EQ(target.ValueSource(), std::string("Field"));
    EXPECT_EQ(Values(target), (std::vector<double>{15}));
}
