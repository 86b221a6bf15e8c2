// The chart widget's mouse events, handed to the chart's mouse handling.
#include "chart/qt/Chart.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace {

// One notch of a classic wheel, in eighths of a degree.
constexpr int wheelNotch = 120;

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

// Fine-grained wheels send parts of a notch; they add up until a whole one is turned.
void TChart::wheelEvent(QWheelEvent* event)
{
    event->accept();
    wheelRemainder_ += event->angleDelta().y();
    const QPoint at = event->position().toPoint();
    const TShiftState shift = ShiftOf(event->modifiers(), event->buttons());
    while (wheelRemainder_ >= wheelNotch || wheelRemainder_ <= -wheelNotch) {
        // A positive turn goes away from the user.
        const bool towardsUser = wheelRemainder_ < 0;
        wheelRemainder_ += towardsUser ? wheelNotch : -wheelNotch;
        HandleMouseReportingFailure([&] { HandleMouseWheel(towardsUser, shift, at.x(), at.y()); });
    }
    FollowUserRanges();
}

void TChart::leaveEvent(QEvent* event)
{
    HandleMouseReportingFailure([&] { HandleMouseLeave(); });
    QWidget::leaveEvent(event);
}
