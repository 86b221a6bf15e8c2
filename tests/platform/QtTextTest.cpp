// The glue between the engine's texts and Qt's: the error box's caption and
// the decimal separator of a locale.
#include "platform/qt/QtText.h"

#include <QLocale>

#include <gtest/gtest.h>

using platform::qt::ApplicationTitle;
using platform::qt::DecimalSeparatorOf;

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

TEST(DecimalSeparatorOf, TheLocalesSeparatorInUtf8)
{
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedStates)), ".");
    EXPECT_EQ(DecimalSeparatorOf(QLocale(QLocale::Czech, QLocale::CzechRepublic)), ",");
    EXPECT_EQ(DecimalSeparatorOf(QLocale::c()), ".");
}
