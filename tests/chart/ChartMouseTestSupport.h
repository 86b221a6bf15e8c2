#pragma once

#include "chart/qt/Chart.h"
#include "chart/FastLineSeries.h"
#include "tests/chart/ShownChart.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

namespace mouse_testing {

// The range of an axis as its setters left it.
struct Range {
    bool automatic;
    double minimum;
    double maximum;
    friend bool operator==(const Range&, const Range&) = default;
};

inline Range RangeOf(const TCustomChartAxis& axis)
{
    return {axis.Automatic(), axis.Minimum(), axis.Maximum()};
}

inline std::ostream& operator<<(std::ostream& out, const Range& range)
{
    return out << (range.automatic ? "automatic " : "manual ") << range.minimum << " .. " << range.maximum;
}

// The shown chart with one run plotted on the ranges "Start" sets, and the
// mouse and wheel driven as a user drives them.
class ShownRunChart : public ShownChart {
public:
    // Plots a run of the default pendulum on the axes as "Start" sets them.
    TFastLineSeries& ShowRun(int count = 250)
    {
        TFastLineSeries& series = AddRun(clRed, 10.0, count);
        chart->BottomAxis().SetRange(0, 3);
        chart->LeftAxis().SetRange(-15, 15);
        Settle();
        return series;
    }

    void Press(Qt::MouseButton button, QPoint at) { QTest::mousePress(chart.get(), button, {}, at); }
    // A move with the pressed button held.
    void MoveTo(QPoint at) { QTest::mouseMove(chart.get(), at); }
    void Release(Qt::MouseButton button, QPoint at) { QTest::mouseRelease(chart.get(), button, {}, at); }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        Press(button, from);
        MoveTo(to);
        Release(button, to);
    }
    // A move with no button held, as mouse tracking delivers it.
    void Hover(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart.get(), &move);
    }
    // Wheel turns in eighths of a degree; negative turns go towards the user.
    void Wheel(int angleDelta, QPoint at)
    {
        QWheelEvent wheel(at, chart->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart.get(), &wheel);
    }
};

} // namespace mouse_testing
