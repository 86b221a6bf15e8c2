// What the window's chart and pendulum figure tell a screen reader during
// and after the runs, read through Qt's accessible interfaces.
#include "AppTestSupport.h"

#include "app/ImageControl.h"
#include "chart/qt/Chart.h"

#include <QAccessible>
#include <QRegularExpression>

#include <vector>

using app_testing::Click;

namespace {

QString Description(QObject* control)
{
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
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

using ScreenReader = app_testing::FormFixture;

} // namespace

TEST_F(ScreenReader, ARunIsToldWhenItStartsAndEndsAndItsFigureOnceInTwentyFivePasses)
{
    std::vector<QString> chartSeen;
    std::vector<QString> figureSeen;
    runLoop.everyDispatch = [&](int) {
        chartSeen.push_back(Description(form->Chart1));
        figureSeen.push_back(Description(form->Image1));
    };
    RunPasses(320);

    // One description for the whole run, the one made when it started.
    ASSERT_EQ(Changes(chartSeen).size(), 1u);
    EXPECT_TRUE(chartSeen.front().endsWith(
        QStringLiteral("1. běh, červená čára: a = 0.8\u00A0m, J = 0.05\u00A0kg·m², φ0 = 10°; běží, zatím žádný bod.")))
        << chartSeen.front().toStdString();
    // The time axis has followed the data since 3 s.
    const QString ended = Description(form->Chart1);
    EXPECT_TRUE(ended.startsWith(QStringLiteral("Vodorovná osa „t [s]“ od 0 do 3.19, "))) << ended.toStdString();
    EXPECT_TRUE(ended.contains(QRegularExpression(
        QStringLiteral("; 320 bodů, amplituda 10\\.\\d+°, naměřená perioda 0\\.50\\d\u00A0s\\.$"))))
        << ended.toStdString();

    // The first frame, then one of every 25 passes of 10 ms (26, 51, ... 301),
    // and the last when the run ends.
    EXPECT_EQ(Changes(figureSeen).size(), 13u);
    EXPECT_TRUE(figureSeen.front().startsWith(QStringLiteral("Výchylka −9.8°, těžiště vlevo pod")));
    EXPECT_NE(Description(form->Image1), figureSeen.back());
}

TEST_F(ScreenReader, AStartThatFailsOnItsFieldsAndClearAreTold)
{
    form->Edit2->setText(QStringLiteral("x"));
    Click(form->Button1);
    EXPECT_TRUE(Description(form->Chart1)
                    .endsWith(QStringLiteral("1. běh, červená čára: vstupní hodnoty se nepodařilo načíst; žádný bod.")));
    Click(form->Button2);
    Click(form->Button3);
    EXPECT_TRUE(Description(form->Chart1).endsWith(QStringLiteral("Graf zatím neukazuje žádný běh.")));
}
