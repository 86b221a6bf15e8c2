#include "chart/qt/Chart.h"
#include "platform/qt/QtColors.h"

#include "chart/ChartCanvas.h"
#include "platform/qt/QtCanvasTarget.h"

#include <QCursor>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

Qt::CursorShape ToQtCursor(TCursor cursor)
{
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crNo:
        return Qt::ForbiddenCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        // crArrow and shapes this chart does not know.
        return Qt::ArrowCursor;
    }
}

} // namespace

TChart::TChart(QWidget* parent)
    : QWidget(parent)
    // A paint at another ratio renders anew by itself (see paintEvent).
    , screenWatch_([this] { update(); })
{
    // The surface covers the whole client area at every paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button pressed decide the cursor over the series.
    setMouseTracking(true);
    // Failures no one else is told about are at least logged.
    OnPaintError = [](const std::exception& error) { qWarning("Chart paint failed: %s", error.what()); };
    OnMouseError = [](const std::exception& error) { qWarning("Chart mouse handling failed: %s", error.what()); };
    MakeSurface();
    SetWindowCanvas(&surfaceCanvas_);
    SetHost(this);
}

TChart::~TChart()
{
    // The chart's parts outlive this level: cut them off the window first.
    SetHost(nullptr);
    SetWindowCanvas(nullptr);
}

void TChart::MakeSurface()
{
    surfaceCanvas_.Unbind();
    const double ratio = devicePixelRatioF();
    const platform::DeviceMapping mapping{ratio};
    surface_ = QImage(mapping.Size(std::max(1, width())), mapping.Size(std::max(1, height())), QImage::Format_RGB32);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(ToQColor(Color()));
    platform::qt::BindImage(surfaceCanvas_, &surface_);
}

void TChart::paintEvent(QPaintEvent* /*event*/)
{
    if (devicePixelRatioF() != surface_.devicePixelRatio()) {
        // What the window shows now has another resolution: a new picture for it.
        // The kept picture has the old ratio, so the paint renders anew.
        MakeSurface();
        answerPending_ = true;
    }
    if (answerPending_ && width() > 0 && height() > 0) {
        answerPending_ = false;
        // No exception may leave a Qt event handler.
        HandlePaintReportingFailure();
    }
    QPainter painter(this);
    const double ratio = surface_.devicePixelRatio();
    if (ratio == 1.0) {
        painter.drawImage(0, 0, surface_);
    } else {
        // In device pixels, where the surface is one block copy.
        painter.setTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
        const QImage pixels(surface_.constBits(), surface_.width(), surface_.height(), surface_.bytesPerLine(),
                            surface_.format());
        painter.drawImage(0, 0, pixels);
        // At a fractional ratio the window may have a device row or column
        // more than the surface (the window's size rounds halves up, the
        // surface's to even): that strip takes the panel's colour, not what
        // was there before.
        const QColor panel = ToQColor(Color());
        painter.fillRect(QRect(surface_.width(), 0, 1, surface_.height() + 1), panel);
        painter.fillRect(QRect(0, surface_.height(), surface_.width() + 1, 1), panel);
    }
}

void TChart::resizeEvent(QResizeEvent* /*event*/)
{
    MakeSurface();
    answerPending_ = true;
    RequestRepaint();
}

void TChart::showEvent(QShowEvent* event)
{
    // The top-level window exists from now on, and may be another one than before.
    screenWatch_.Follow(window()->windowHandle());
    QWidget::showEvent(event);
}

void TChart::moveEvent(QMoveEvent* /*event*/)
{
    RequestRepaint();
}

void TChart::InvalidateWindow()
{
    answerPending_ = true;
    update();
}

void TChart::RepaintNow()
{
    repaint();
}

void TChart::FlushWindow()
{
    update();
}

void TChart::SetWindowCursor(TCursor cursor)
{
    if (cursor == crDefault)
        unsetCursor();
    else
        setCursor(ToQtCursor(cursor));
}
