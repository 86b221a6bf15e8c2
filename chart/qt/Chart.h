#pragma once

#include "chart/ChartHost.h"
#include "chart/CustomChart.h"
#include "platform/Canvas.h"
#include "platform/ComponentOwner.h"
#include "platform/qt/ScreenWatch.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <exception>
#include <functional>

// The chart control: a Qt widget that shows a TCustomChart.
//
// The widget keeps a window surface, a QImage of its client size that stands
// for what the window shows; the chart's window canvas is bound to it. A paint
// after a repaint request or a resize lets the chart answer (copy its kept
// picture or render anew onto the surface); every paint then shows the
// surface with one drawImage. Drawing that goes straight to the window
// outside a paint (the zoom rubber band, segments of series that do not
// repaint) lands on the surface and only schedules a paint that shows it.
//
// The surface has the device pixels of the client area at the widget's
// device pixel ratio (devicePixelRatioF) and carries that ratio, so the chart
// draws at the screen's resolution while its layout and the mouse stay in
// logical pixels. A paint at another ratio than the surface's (the window
// moved to another screen, or the screen's scale changed) makes a new
// surface and renders anew; a move to another screen, or a change of its
// screen's resolution, asks for a paint.
//
// The control may own series (made with it as their owner): the chart part
// destroys those still attached first, the owner then the others.
class TChart : public QWidget, public platform::ComponentOwner, public TCustomChart, private ChartHost {
    Q_OBJECT

public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    // What the window shows (after the next paint event).
    const QImage& WindowSurface() const { return surface_; }

    int ClientWidth() const override { return width(); }
    int ClientHeight() const override { return height(); }


    // What the chart shows, told in words: the accessible description that
    // screen readers read. The program calls UpdateDescription when what it
    // plots changes; the widget does after a zoom or scroll of the user.
    std::function<QString()> Describe;
    // Takes the description from Describe; a changed one is announced on
    // the accessibility bus.
    void UpdateDescription();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    // The mouse reaches the chart's mouse handling here, in client pixels.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // ChartHost.
    void InvalidateWindow() override;
    void RepaintNow() override;
    void FlushWindow() override;
    void SetWindowCursor(TCursor cursor) override;

    void MakeSurface();
    // The ranges a zoom or scroll sets on the side axes: the automatic flags
    // of each end and the manual ends.
    struct AxisEnds {
        bool automaticMinimum = true;
        bool automaticMaximum = true;
        double minimum = 0.0;
        double maximum = 0.0;
        friend bool operator==(const AxisEnds&, const AxisEnds&) = default;
    };
    using SideAxisEnds = std::array<AxisEnds, 4>;
    SideAxisEnds SideAxisEndsNow() const;
    // After a mouse action: describes the chart again when the action
    // changed the ranges since the description was made.
    void FollowUserRanges();

    QImage surface_;
    platform::Canvas surfaceCanvas_;
    platform::ScreenWatch screenWatch_;
    // The chart asked for a new picture (or the size changed) since the last paint.
    bool answerPending_ = true;
    // The side axes' ranges when the description was last made.
    SideAxisEnds describedEnds_{};
};
