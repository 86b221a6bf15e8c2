#include "platform/ErrorText.h"

#include <gtest/gtest.h>

using platform::ApplicationTitle;
using platform::ErrorBoxText;

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText(QString()), QString());
    EXPECT_EQ(ErrorBoxText(QStringLiteral("abc")), QStringLiteral("abc."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("abc.")), QStringLiteral("abc."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("'' is not a valid floating point value")),
              QStringLiteral("'' is not a valid floating point value."));

    // ')' is 41 and '!' is 33, both below '.' (46): such messages stay as they are.
    EXPECT_EQ(ErrorBoxText(QStringLiteral("List index out of bounds (3)")),
              QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("x-")), QStringLiteral("x-"));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("x ")), QStringLiteral("x "));
    // '/' (47), digits, ':' and letters beyond ASCII sort after '.'.
    EXPECT_EQ(ErrorBoxText(QStringLiteral("a/")), QStringLiteral("a/."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("500")), QStringLiteral("500."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("kyvadlo φ")), QStringLiteral("kyvadlo φ."));
}

TEST(ApplicationTitle, FileNameCutAtTheFirstDotWithTheRestInLowerCase)
{
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/bin/Kyvadlo")), QStringLiteral("Kyvadlo"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("KYV.AD.LO")), QStringLiteral("Kyv"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/opt/my.app/KYVADLO.EXE")), QStringLiteral("Kyvadlo"))
        << "dots in directories do not count";
    EXPECT_EQ(ApplicationTitle(QStringLiteral("kYVADLO")), QStringLiteral("kyvadlo"))
        << "the first character keeps its case";
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/home/u/ŽLUŤOUČKÝ")), QStringLiteral("Žluťoučký"));
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/bin/.hidden")), QString());
    EXPECT_EQ(ApplicationTitle(QStringLiteral("/usr/bin/")), QString());
    EXPECT_EQ(ApplicationTitle(QString()), QString());
}
