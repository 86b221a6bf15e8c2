#include "platform/ErrorText.h"

#include <gtest/gtest.h>

using platform::applicationTitle;
using platform::errorBoxText;

TEST(ErrorBoxText, FullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(errorBoxText(QString()), QString());
    EXPECT_EQ(errorBoxText(QStringLiteral("abc")), QStringLiteral("abc."));
    EXPECT_EQ(errorBoxText(QStringLiteral("abc.")), QStringLiteral("abc."));
    EXPECT_EQ(errorBoxText(QStringLiteral("'' is not a valid floating point value")),
              QStringLiteral("'' is not a valid floating point value."));

    // ')' is 41 and '!' is 33, both below '.' (46): such messages stay as they are.
    EXPECT_EQ(errorBoxText(QStringLiteral("List index out of bounds (3)")),
              QStringLiteral("List index out of bounds (3)"));
    EXPECT_EQ(errorBoxText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(errorBoxText(QStringLiteral("x-")), QStringLiteral("x-"));
    EXPECT_EQ(errorBoxText(QStringLiteral("x ")), QStringLiteral("x "));
    // '/' (47), digits, ':' and letters beyond ASCII sort after '.'.
    EXPECT_EQ(errorBoxText(QStringLiteral("a/")), QStringLiteral("a/."));
    EXPECT_EQ(errorBoxText(QStringLiteral("500")), QStringLiteral("500."));
    EXPECT_EQ(errorBoxText(QStringLiteral("kyvadlo φ")), QStringLiteral("kyvadlo φ."));
}

TEST(ApplicationTitle, FileNameCutAtTheFirstDotWithTheRestInLowerCase)
{
    EXPECT_EQ(applicationTitle(QStringLiteral("/usr/bin/Kyvadlo")), QStringLiteral("Kyvadlo"));
    EXPECT_EQ(applicationTitle(QStringLiteral("KYV.AD.LO")), QStringLiteral("Kyv"));
    EXPECT_EQ(applicationTitle(QStringLiteral("/opt/my.app/KYVADLO.EXE")), QStringLiteral("Kyvadlo"))
        << "dots in directories do not count";
    EXPECT_EQ(applicationTitle(QStringLiteral("kYVADLO")), QStringLiteral("kyvadlo"))
        << "the first character keeps its case";
    EXPECT_EQ(applicationTitle(QStringLiteral("/home/u/ŽLUŤOUČKÝ")), QStringLiteral("Žluťoučký"));
    EXPECT_EQ(applicationTitle(QStringLiteral("/usr/bin/.hidden")), QString());
    EXPECT_EQ(applicationTitle(QStringLiteral("/usr/bin/")), QString());
    EXPECT_EQ(applicationTitle(QString()), QString());
}
