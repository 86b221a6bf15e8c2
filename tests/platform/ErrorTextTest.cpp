#include "platform/ErrorText.h"

#include <gtest/gtest.h>

using platform::ErrorBoxText;

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText(std::string()), std::string());
    EXPECT_EQ(ErrorBoxText(std::string("abc")), std::string("abc."));
    EXPECT_EQ(ErrorBoxText(std::string("abc.")), std::string("abc."));
    EXPECT_EQ(ErrorBoxText(std::string("'' is not a valid floating point value")),
              std::string("'' is not a valid floating point value."));

    // ')' is 41 and '!' is 33, both below '.' (46): such messages stay as they are.
    EXPECT_EQ(ErrorBoxText(std::string("List index out of bounds (3)")),
              std::string("List index out of bounds (3)"));
    EXPECT_EQ(ErrorBoxText(std::string("Stop!")), std::string("Stop!"));
    EXPECT_EQ(ErrorBoxText(std::string("x-")), std::string("x-"));
    EXPECT_EQ(ErrorBoxText(std::string("x ")), std::string("x "));
    // '/' (47), digits, ':' and letters beyond ASCII sort after '.'.
    EXPECT_EQ(ErrorBoxText(std::string("a/")), std::string("a/."));
    EXPECT_EQ(ErrorBoxText(std::string("500")), std::string("500."));
    EXPECT_EQ(ErrorBoxText(std::string("kyvadlo φ")), std::string("kyvadlo φ."));
}
