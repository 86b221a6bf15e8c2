// The chart widget's mouse events, handed to the chart's mouse handling.
#include "chart/qt/Chart.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace {

bool ToChartButton(Qt::MouseButton button, TMouseButton& chartButton)
{
    switch (button) {
    case Qt::LeftButton:
        chartButton = mbLeft;
        return true;
    case Qt::RightButton:
        chartButton = mbRight;
        return true;
    case Qt::MiddleButton:
        chartButton = mbMiddle;
        return true;
    default:
        return false;
    }
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift = ssNone;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    if (buttons & Qt::LeftButton)
        shift |= ssLeft;
    if (buttons & Qt::RightButton)
        shift |= ssRight;
    if (buttons & Qt::MiddleButton)
        shift |= ssMiddle;
    return shift;
}

} // namespace

void TChart::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToChartButton(event->button(), button)) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    HandleMouseReportingFailure([&] { HandleMouseDown(button, shift, at.x(), at.y()); });
}

// The second press of a double click.
void TChart::mouseDoubleClickEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToChartButton(event->button(), button)) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftOf(event->modifiers(), event->buttons()) | ssDouble;
    HandleMouseReportingFailure([&] { HandleMouseDown(button, shift, at.x(), at.y()); });
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    HandleMouseReportingFailure([&] { HandleMouseMove(shift, at.x(), at.y()); });
}

void TChart::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToChartButton(event->button(), button)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    HandleMouseReportingFailure([&] { HandleMouseUp(button, shift, at.x(), at.y()); });
    // A zoom, its undo or a scroll drag ends here.
    FollowUserRanges();
}

void TChart::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const QPoint at = event->position().toPoint();
    HandleWheelTurn(event->angleDelta().y(), ShiftOf(event->modifiers(), event->buttons()), at.x(), at.y());
    FollowUserRanges();
}

void TChart::leaveEvent(QEvent* event)
{
    HandleMouseReportingFailure([&] { HandleMouseLeave(); });
    QWidget::leaveEvent(event);
}
