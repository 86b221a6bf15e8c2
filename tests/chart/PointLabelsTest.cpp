#include "chart/PointLabels.h"

#include <gtest/gtest.h>

TEST(PointLabels, EmptyLabelsStoreNoTexts)
{
    TPointLabels labels;
    for (int i = 0; i < 1000; ++i)
        labels.Insert(i, QString());
    EXPECT_EQ(labels.Count(), 1000);
    EXPECT_FALSE(labels.HasTexts());
    EXPECT_TRUE(labels.At(999).isEmpty());
    labels.Remove(10);
    labels.Exchange(0, 998);
    EXPECT_EQ(labels.Count(), 999);
    EXPECT_FALSE(labels.HasTexts());
}

TEST(PointLabels, FirstTextKeepsTheEarlierEntriesEmpty)
{
    TPointLabels labels;
    labels.Insert(0, QString());
    labels.Insert(1, QString());
    labels.Insert(1, QStringLiteral("mid"));
    EXPECT_TRUE(labels.HasTexts());
    EXPECT_EQ(labels.At(0), QString());
    EXPECT_EQ(labels.At(1), QStringLiteral("mid"));
    EXPECT_EQ(labels.At(2), QString());
    EXPECT_EQ(labels.At(3), QString()); // beyond the list
    EXPECT_EQ(labels.At(-1), QString());

    labels.Exchange(1, 2);
    EXPECT_EQ(labels.At(2), QStringLiteral("mid"));
    labels.Remove(0);
    EXPECT_EQ(labels.At(1), QStringLiteral("mid"));
}

TEST(PointLabels, FirstTextIntoAnEmptyList)
{
    TPointLabels labels;
    labels.Insert(0, QStringLiteral("only"));
    EXPECT_EQ(labels.At(0), QStringLiteral("only"));
    labels.Clear();
    EXPECT_EQ(labels.Count(), 0);
    EXPECT_FALSE(labels.HasTexts());
}
