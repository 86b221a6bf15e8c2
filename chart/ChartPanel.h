#pragma once

#include "chart/ChartCanvas.h"
#include "chart/ChartHost.h"
#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <memory>

// The chart's panel level: the rectangles of the current paint, the margins,
// the view settings and the one road by which any change reaches the window,
// RequestRepaint. Plain C++: the window is reached through a ChartHost.
class TCustomChartPanel {
public:
    TCustomChartPanel();
    virtual ~TCustomChartPanel();
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;

    // The window that shows the chart; null draws into nothing but images.
    ChartHost* Host() const { return host_; }
    void SetHost(ChartHost* host) { host_ = host; }

    // The one canvas through which the chart, its axes and its series draw.
    TChartCanvas3D& Canvas() { return *canvas_; }
    const TChartCanvas3D& Canvas() const { return *canvas_; }
    // The window's own canvas (not owned): the canvas target outside painting
    // and where a finished picture is copied. Null until a window provides one.
    platform::Canvas* WindowCanvas() const { return windowCanvas_; }
    void SetWindowCanvas(platform::Canvas* canvas);
    // Makes the font the canvas font, at the canvas font's pixels per inch.
    void SelectChartFont(TChartFont& font);

    // The client size: the host's, or the size given with SetClientSize
    // (400 x 250 at first) without a host.
    int ClientWidth() const;
    int ClientHeight() const;
    // A new size requests a repaint.
    void SetClientSize(int width, int height);

    // The drawing area of the current paint.
    const TChartRect& DrawBounds() const { return drawBounds_; }
    void SetDrawBounds(const TChartRect& bounds) { drawBounds_ = bounds; }
    // The rectangle in which series are plotted and onto which the axes map.
    const TChartRect& ChartArea() const { return chartArea_; }
    // Stores the rectangle and normalizes it.
    void SetChartArea(const TChartRect& area);
    int ChartWidth() const { return chartArea_.Width(); }
    int ChartHeight() const { return chartArea_.Height(); }
    int ChartXCenter() const { return (chartArea_.left + chartArea_.right) / 2; }
    int ChartYCenter() const { return (chartArea_.top + chartArea_.bottom) / 2; }
    // Keeps the chart rectangle inside the drawing area, at least one pixel
    // wide and high.
    void NormalizeChartArea();

    // Percent of the drawing width (left, right) or height (top, bottom) left free.
    int MarginLeft() const { return marginLeft_; }
    int MarginTop() const { return marginTop_; }
    int MarginRight() const { return marginRight_; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginLeft(int value);
    void SetMarginTop(int value);
    void SetMarginRight(int value);
    void SetMarginBottom(int value);

    // Background colour of the whole control.
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool View3D() const { return view3D_; }
    void SetView3D(bool value);
    // 1 to 100; other values raise ChartException.
    int Chart3DPercent() const { return chart3DPercent_; }
    void SetChart3DPercent(int value);

    // The control's own mouse cursor, and the one shown at the moment.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    TCursor CurrentCursor() const { return currentCursor_; }
    void ShowCursor(TCursor cursor);

    // While the chart is read from a stored layout, range checks are skipped.
    bool IsLoading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }

    // The one way to ask for a new picture: marks the picture stale and
    // invalidates the window. Does nothing while repaints are disabled.
    void RequestRepaint();
    // RequestRepaint, then has the host paint at once.
    void Repaint();
    // Stores a setting of the chart or of one of its parts; a value that
    // differs from the stored one requests a repaint.
    template <typename T>
    void StoreSetting(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        RequestRepaint();
    }
    // A pen, brush, font or other owned object changed.
    virtual void NotifySubObjectChanged();

    bool RepaintEnabled() const { return repaintEnabled_; }
    void SetRepaintEnabled(bool value) { repaintEnabled_ = value; }
    // How many repaint requests were made (and not disabled) so far.
    long long RepaintRequestCount() const { return repaintRequests_; }
    // True from a repaint request until a paint has made a new picture (the
    // canvas's dirty flag).
    bool PictureStale() const { return canvas_->Dirty(); }

protected:
    // Cuts the chart off its window before the chart's parts go: nothing is
    // invalidated from then on.
    void DisconnectHost();

private:
    ChartHost* host_ = nullptr;
    platform::Canvas* windowCanvas_ = nullptr;
    std::unique_ptr<TChartCanvas3D> canvas_;
    int width_ = 400;
    int height_ = 250;
    TChartRect drawBounds_;
    TChartRect chartArea_;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    TColor color_ = clBtnFace;
    bool view3D_ = true;
    int chart3DPercent_ = 15;
    TCursor cursor_ = crDefault;
    TCursor currentCursor_ = crDefault;
    bool loading_ = false;
    bool repaintEnabled_ = false;
    long long repaintRequests_ = 0;
};

// How the mouse may scroll the chart.
enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// Adds the mouse zoom and scroll settings.
class TCustomChartPanelExtended : public TCustomChartPanel {
public:
    TCustomChartPanelExtended() = default;

    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool value) { allowZoom_ = value; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool value) { animatedZoom_ = value; }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int value) { animatedZoomSteps_ = value; }

private:
    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
};
