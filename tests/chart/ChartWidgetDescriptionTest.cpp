// The chart widget's accessible description follows the user's zooms and scrolls.
#include "tests/chart/ChartMouseTestSupport.h"

#include <QAccessible>

#include <gtest/gtest.h>

using mouse_testing::ShownRunChart;

TEST(ChartWidgetDescription, IsTakenAgainAfterAZoomAScrollDragOrAWheelNotchNotAfterAClick)
{
    ShownRunChart shown;
    TChart& chart = *shown.chart;
    shown.ShowRun();
    int taken = 0;
    chart.Describe = [&] { return QStringLiteral("%1").arg(++taken); };
    chart.UpdateDescription();
    ASSERT_EQ(QAccessible::queryAccessibleInterface(&chart)->text(QAccessible::Description), QStringLiteral("1"));

    shown.Press(Qt::LeftButton, {150, 300});
    shown.Release(Qt::LeftButton, {150, 300});
    EXPECT_EQ(taken, 1) << "a click changes no range";
    shown.Drag(Qt::LeftButton, {100, 100}, {200, 250});
    EXPECT_EQ(taken, 2) << "zoomed";
    shown.Drag(Qt::LeftButton, {200, 250}, {100, 100});
    EXPECT_EQ(taken, 3) << "zoom undone";
    // A scroll drag is one scroll, told when the button is let go.
    shown.Press(Qt::RightButton, {150, 300});
    shown.MoveTo({170, 300});
    shown.MoveTo({190, 320});
    EXPECT_EQ(taken, 3);
    shown.Release(Qt::RightButton, {190, 320});
    EXPECT_EQ(taken, 4);
    shown.Wheel(60, {150, 300});
    EXPECT_EQ(taken, 4) << "half a notch scrolls nothing";
    shown.Wheel(60, {150, 300});
    EXPECT_EQ(taken, 5);
    EXPECT_EQ(chart.accessibleDescription(), QStringLiteral("5"));
}
