#include "platform/Exceptions.h"

#include <gtest/gtest.h>

TEST(Exceptions, MessagesAreTheUserVisibleTexts)
{
    EXPECT_EQ(ConversionError(std::string(" 0.8")).Message(),
              std::string("' 0.8' is not a valid floating point value"));
    EXPECT_EQ(ConversionError(std::string()).Message(),
              std::string("'' is not a valid floating point value"));
    EXPECT_EQ(FloatDivisionByZero().Message(), std::string("Floating point division by zero"));
    EXPECT_EQ(InvalidFloatOperation().Message(), std::string("Invalid floating point operation"));
    EXPECT_EQ(FloatOverflow().Message(), std::string("Floating point overflow"));
    EXPECT_EQ(ListIndexError(-1).Message(), std::string("List index out of bounds (-1)"));
}

TEST(Exceptions, TypedTextIsNotReinterpretedAsAPlaceholder)
{
    EXPECT_EQ(ConversionError(std::string("%1%2")).Message(),
              std::string("'%1%2' is not a valid floating point value"));
}

TEST(Exceptions, WhatCarriesTheMessageAsUtf8)
{
    const ConversionError error(std::string("φ"));
    EXPECT_STREQ(error.what(), "'φ' is not a valid floating point value");
}
