// What the window tells a screen reader, read through Qt's accessible
// interfaces of its controls.
#include "AppTestSupport.h"

#include "app/AccessibleRoles.h"
#include "app/ImageControl.h"
#include "chart/Chart.h"
#include "embedded/OleContainer.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>

#include <vector>

using app_testing::Click;

namespace {

QString Told(QObject* control, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(control)->text(text);
}

// The values seen one after the other, each change once.
std::vector<QString> Changes(const std::vector<QString>& seen)
{
    std::vector<QString> changes;
    for (const QString& value : seen) {
        if (changes.empty() || changes.back() != value)
            changes.push_back(value);
    }
    return changes;
}

class ScreenReader : public app_testing::FormFixture {
protected:
    // The chart's and the figure's descriptions at every dispatch step.
    void WatchDescriptions()
    {
        runLoop.everyDispatch = [this](int) {
            chartSeen.push_back(Told(form->Chart1, QAccessible::Description));
            figureSeen.push_back(Told(form->Image1, QAccessible::Description));
        };
    }

    std::vector<QString> chartSeen;
    std::vector<QString> figureSeen;
};

} // namespace

TEST_F(ScreenReader, FieldsAreNamedAfterTheirLabelsWhichAreTheirBuddies)
{
    EXPECT_EQ(form->Label1->buddy(), form->Edit1);
    EXPECT_EQ(form->Label2->buddy(), form->Edit2);
    EXPECT_EQ(form->Label3->buddy(), form->Edit3);
    EXPECT_EQ(Told(form->Edit1, QAccessible::Name), QStringLiteral("délka a [m]"));
    EXPECT_EQ(Told(form->Edit3, QAccessible::Name), QStringLiteral("J [kg.m2]"));
    // The phi label reads as the letter it shows, whatever face draws it.
    const QString phi = Told(form->Label2, QAccessible::Name);
    EXPECT_TRUE(phi == QStringLiteral("\u03D50") || phi == QStringLiteral("\u03C60")) << phi.toStdString();
    EXPECT_EQ(Told(form->Edit2, QAccessible::Name), phi);

    EXPECT_EQ(Told(form->Chart1, QAccessible::Name), QStringLiteral("Graf"));
    EXPECT_EQ(Told(form->Image1, QAccessible::Name), QStringLiteral("Kyvadlo"));
    EXPECT_EQ(Told(form->tlumene, QAccessible::Name), QStringLiteral("Rovnice"));
    EXPECT_TRUE(Told(form->tlumene, QAccessible::Description).contains(QStringLiteral("ω = ω + ε·dt")));
    EXPECT_TRUE(Told(form->Image1, QAccessible::Description).startsWith(QStringLiteral("Zatím prázdný obrázek")));
}

TEST_F(ScreenReader, TheChartIsAChartAndTheFigureAndTheEquationsArePictures)
{
    const AccessibleRoles roles;
    CreateForm(QLocale::c());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Chart1)->role(), QAccessible::Chart);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Image1)->role(), QAccessible::Graphic);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->tlumene)->role(), QAccessible::Graphic);
}

TEST_F(ScreenReader, TheChartIsToldWhenARunStartsAndEndsAndTheFigureEveryTwentyFivePasses)
{
    WatchDescriptions();
    RunPasses(100);
    // One description for the whole run: the one made when it started.
    ASSERT_EQ(Changes(chartSeen).size(), 1u);
    EXPECT_TRUE(chartSeen.front().endsWith(
        QStringLiteral("1. běh, červená čára: a = 0.8\u00A0m, J = 0.05\u00A0kg·m², φ0 = 10°; běží, zatím žádný bod.")))
        << chartSeen.front().toStdString();
    const QString ended = Told(form->Chart1, QAccessible::Description);
    EXPECT_TRUE(ended.contains(QRegularExpression(
        QStringLiteral("; 100 bodů, amplituda 10\\.\\d+°, naměřená perioda 0\\.5\\d\\d\u00A0s\\.$"))))
        << ended.toStdString();

    // The first frame, then one frame in every 25 passes of 10 ms: passes 26, 51 and 76.
    EXPECT_EQ(Changes(figureSeen).size(), 4u);
    EXPECT_TRUE(figureSeen.front().startsWith(QStringLiteral("Výchylka −9.8°, těžiště vlevo")))
        << figureSeen.front().toStdString();
    EXPECT_NE(Told(form->Image1, QAccessible::Description), figureSeen.back()) << "the last frame told at the end";

    // With "pomalu" a pass sleeps 60 ms: the first frame, then passes 6, 11, ... 46.
    Click(form->CheckBox1);
    figureSeen.clear();
    RunPasses(50);
    EXPECT_EQ(Changes(figureSeen).size(), 10u);
}

TEST_F(ScreenReader, AFailedStartAndClearAreTold)
{
    form->Edit2->setText(QStringLiteral("x"));
    Click(form->Button1);
    EXPECT_TRUE(Told(form->Chart1, QAccessible::Description)
                    .endsWith(QStringLiteral("1. běh, červená čára: vstupy se nepodařilo načíst; žádný bod.")));
    Click(form->Button2);
    Click(form->Button3);
    EXPECT_TRUE(Told(form->Chart1, QAccessible::Description).endsWith(QStringLiteral("Graf zatím neukazuje žádný běh.")));
}

TEST_F(ScreenReader, NumbersHaveTheDecimalSeparatorOfTheWindowsLocale)
{
    CreateForm(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    form->Edit1->setText(QStringLiteral("0,8"));
    form->Edit3->setText(QStringLiteral("0,05"));
    RunPasses(10);
    EXPECT_TRUE(Told(form->Chart1, QAccessible::Description).contains(QStringLiteral("a = 0,8\u00A0m, J = 0,05")));
    const QString figure = Told(form->Image1, QAccessible::Description);
    EXPECT_TRUE(figure.contains(QRegularExpression(QStringLiteral("^Výchylka −\\d,\\d°")))) << figure.toStdString();
}
