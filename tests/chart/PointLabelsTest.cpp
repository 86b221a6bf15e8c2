#include "chart/PointLabels.h"

#include <gtest/gtest.h>

TEST(PointLabels, EmptyLabelsStoreNoTexts)
{
    TPointLabels labels;
    for (int i = 0; i < 1000; ++i)
        labels.Insert(i, std::string());
    EXPECT_EQ(labels.Count(), 1000);
    EXPECT_FALSE(labels.HasTexts());
    EXPECT_TRUE(labels.At(999).empty());
    labels.Remove(10);
    labels.Exchange(0, 998);
    EXPECT_EQ(labels.Count(), 999);
    EXPECT_FALSE(labels.HasTexts());
}

TEST(PointLabels, FirstTextKeepsTheEarlierEntriesEmpty)
{
    TPointLabels labels;
    labels.Insert(0, std::string());
    labels.Insert(1, std::string());
    labels.Insert(1, std::string("mid"));
    EXPECT_TRUE(labels.HasTexts());
    EXPECT_EQ(labels.At(0), std::string());
    EXPECT_EQ(labels.At(1), std::string("mid"));
    EXPECT_EQ(labels.At(2), std::string());
    EXPECT_EQ(labels.At(3), std::string()); // beyond the list
    EXPECT_EQ(labels.At(-1), std::string());

    labels.Exchange(1, 2);
    EXPECT_EQ(labels.At(2), std::string("mid"));
    labels.Remove(0);
    EXPECT_EQ(labels.At(1), std::string("mid"));
}

TEST(PointLabels, FirstTextIntoAnEmptyList)
{
    TPointLabels labels;
    labels.Insert(0, std::string("only"));
    EXPECT_EQ(labels.At(0), std::string("only"));
    labels.Clear();
    EXPECT_EQ(labels.Count(), 0);
    EXPECT_FALSE(labels.HasTexts());
}
