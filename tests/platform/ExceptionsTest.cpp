#include "platform/Exceptions.h"

#include <gtest/gtest.h>

TEST(Exceptions, MessagesAreTheUserVisibleTexts)
{
    EXPECT_EQ(ConversionError(QStringLiteral(" 0.8")).Message(),
              QStringLiteral("' 0.8' is not a valid floating point value"));
    EXPECT_EQ(ConversionError(QString()).Message(),
              QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(FloatDivisionByZero().Message(), QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(InvalidFloatOperation().Message(), QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(FloatOverflow().Message(), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(ListIndexError(-1).Message(), QStringLiteral("List index out of bounds (-1)"));
}

TEST(Exceptions, TypedTextIsNotReinterpretedAsAPlaceholder)
{
    EXPECT_EQ(ConversionError(QStringLiteral("%1%2")).Message(),
              QStringLiteral("'%1%2' is not a valid floating point value"));
}

TEST(Exceptions, WhatCarriesTheMessageAsUtf8)
{
    const ConversionError error(QStringLiteral("φ"));
    EXPECT_STREQ(error.what(), "'φ' is not a valid floating point value");
}
