#pragma once

#include "chart/AxisPanel.h"
#include "chart/ChartLegend.h"
#include "chart/ChartMouseTypes.h"
#include "chart/ChartTitle.h"
#include "chart/ChartWall.h"
#include "chart/LineCoverage.h"

#include <exception>
#include <functional>
#include <vector>

class AxisPixelMaps;
class TFastLineSeries;

namespace platform {
class Canvas;
}

// A mouse drag: where it began (x0, y0) and the last mouse position (x1, y1),
// in client pixels.
struct TChartDrag {
    bool active = false;
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;

    // Both corners at (x, y), active.
    void Start(int x, int y)
    {
        active = true;
        x0 = x1 = x;
        y0 = y1 = y;
    }
};

// How a bevel of the control's border looks.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// The chart control without its window: titles, walls and legend, and the
// whole paint. A paint draws the complete picture anew, in a fixed order:
// panel background and bevels, title and foot, the axes' layout, the back
// wall, the axes, then each series, clipped to the chart rectangle. It draws
// into the canvas's off-screen bitmap and copies it to the window in one
// block; a paint with nothing changed only copies the kept bitmap again.
class TCustomChart : public TCustomAxisPanel {
public:
    TCustomChart();
    ~TCustomChart() override;

    // The text blocks above and below the plot.
    TChartTitle& Title() { return title_; }
    const TChartTitle& Title() const { return title_; }
    void SetTitle(const TChartTitle& title) { title_.Assign(title); }
    TChartTitle& Foot() { return foot_; }
    const TChartTitle& Foot() const { return foot_; }
    void SetFoot(const TChartTitle& foot) { foot_.Assign(foot); }

    // The back wall outlines the chart rectangle; its brush is clear at first.
    TChartWall& BackWall() { return backWall_; }
    const TChartWall& BackWall() const { return backWall_; }
    void SetBackWall(const TChartWall& wall) { backWall_.Assign(wall); }
    // The side walls of the 3D view.
    TChartWall& LeftWall() { return leftWall_; }
    const TChartWall& LeftWall() const { return leftWall_; }
    void SetLeftWall(const TChartWall& wall) { leftWall_.Assign(wall); }
    TChartWall& BottomWall() { return bottomWall_; }
    const TChartWall& BottomWall() const { return bottomWall_; }
    void SetBottomWall(const TChartWall& wall) { bottomWall_.Assign(wall); }
    TChartLegend& Legend() { return legend_; }
    const TChartLegend& Legend() const { return legend_; }

    // The back wall's pen.
    TChartPen& Frame() { return backWall_.Pen(); }
    const TChartPen& Frame() const { return backWall_.Pen(); }
    void SetFrame(const TChartPen& pen) { backWall_.Pen().Assign(pen); }
    // The back wall's colour. Set on a chart shown in a window (and not being
    // loaded), it also makes the back wall's brush solid.
    TColor BackColor() const override { return backWall_.Color(); }
    void SetBackColor(TColor value);

    // The control's border: outer bevel, a band of BorderWidth pixels in
    // Color, inner bevel. BorderWidth is also added to every margin.
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);

    // Draws the kept bitmap into a black-and-white one.
    bool Monochrome() const;
    void SetMonochrome(bool value);

    // Answers the window's paint request: copies the kept picture when it is
    // current, otherwise draws a new one onto the window canvas.
    void HandlePaint();

    // Hosts whose event handlers must not let an exception out (a toolkit's,
    // a page's) run the paint and the mouse actions through these: a failure
    // (a drawing or mouse event's handler that throws, a value that cannot be
    // computed) goes to OnPaintError or OnMouseError, and nowhere without
    // one. The window keeps what it showed; a mouse action ends where it failed.
    std::function<void(const std::exception& error)> OnPaintError;
    std::function<void(const std::exception& error)> OnMouseError;
    void HandlePaintReportingFailure();
    // Runs action, one of the Handle... mouse calls below.
    void HandleMouseReportingFailure(const std::function<void()>& action);
    // Draws one complete picture for rect of target.
    void RenderToCanvas(platform::Canvas* target, const TChartRect& rect);
    // The picture, step by step, into the prepared canvas.
    void RenderChart(const TChartRect& bounds);

    // Steps of the picture.
    void PaintPanel(const TChartRect& rect);
    void FillBackground(const TChartRect& rect);
    void DrawPanelBevels(const TChartRect& rect);
    // width nested one-pixel frames inside r, top and left edges in one colour,
    // right and bottom in the other; r shrinks by width on every side.
    void DrawBevelFrame(TChartRect& r, TColor topColor, TColor bottomColor, int width);
    void DrawTitles();
    // Draws the block at the top or bottom of the chart rectangle and moves
    // that edge of the chart rectangle past it.
    void DrawTitleBlock(TChartTitle& title, bool atTop);
    void LayoutAxes();
    void ApplySeriesInsets();
    void PaintWalls();
    void ApplyWallStyle(const TChartWall& wall);
    void ApplyFillStyle(TColor color, TBrushStyle style, TColor backgroundColor);
    // The rectangle series are clipped to, corners in order: the inside of
    // the back wall's outline.
    TChartRect SeriesClipRect() const;
    // Clips to SeriesClipRect.
    void ClipSeriesArea();
    void ReleaseClip();
    // The zoom drag's rubber band, inverting: drawn twice it is gone.
    void DrawZoomRectangle();

    // The mouse drags in progress: the zoom rubber band and the scroll. Mouse
    // presses, moves and releases start, carry on and end them.
    const TChartDrag& ZoomDrag() const { return zoomDrag_; }
    const TChartDrag& ScrollDrag() const { return scrollDrag_; }

    // Fixed settings of the chart.
    static constexpr bool axesBehindSeries = true;
    static constexpr int titleGap = 5;

    // Mouse zoom and scrolling, in client pixels. A left drag from the top
    // left to the bottom right zooms the four side axes to the rectangle, the
    // other way round it undoes the zooms and scrolls; a right drag scrolls
    // the axes; a wheel notch scrolls the vertical axes. Each Handle... first
    // raises the control's own mouse event.
    void HandleMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void HandleMouseMove(TShiftState shift, int x, int y);
    void HandleMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void HandleMouseWheel(bool towardsUser, TShiftState shift, int x, int y);
    // A turn of the wheel in eighths of a degree, positive away from the user,
    // as a host reports it: turns add up until they make whole notches of
    // 120 (fine-grained wheels send parts of one), and each whole notch is a
    // HandleMouseWheel, a failure of which goes to OnMouseError.
    void HandleWheelTurn(double eighths, TShiftState shift, int x, int y);
    // The mouse left the window: the scroll drag ends, the chart's cursor is back.
    void HandleMouseLeave();
    // The part under (x, y) as the last paint laid the chart out.
    TChartClickedPart FindClickedPart(int x, int y) const;
    // Starts a zoom or scroll drag at (x, y) when the button (and keys) ask
    // for one and it is allowed; answers whether one started.
    bool BeginZoomOrScroll(TMouseButton button, TShiftState shift, int x, int y);
    void ZoomToRectangle();
    void ApplyZoom(const TChartZoomTargets& targets);
    // One step of an animated zoom: a third of the way to the target.
    void ZoomStep(TCustomChartAxis& axis, double targetMinimum, double targetMaximum);
    // Back to the ranges from before the first zoom or scroll.
    void UndoZoom();
    void RememberAxisRanges();
    void RestoreAxisRanges();
    // Scrolls the axes that run in the direction by the values between the
    // pixels; answers whether panning that way is allowed (and so scrolled).
    bool ScrollAxesByDrag(bool horizontal, int fromPixel, int toPixel);
    void ScrollOneAxis(TCustomChartAxis& axis, int fromPixel, int toPixel);
    void ScrollVerticalAxesByWheel(bool towardsUser);
    bool Zoomed() const { return mouse_.zoomed; }
    bool RangesRestored() const { return mouse_.rangesRestored; }
    const TChartRangeMemo& RememberedRanges() const { return mouse_.rememberedRanges; }
    bool ClickConsumed() const { return mouse_.clickConsumed; }
    void SetClickConsumed(bool value) { mouse_.clickConsumed = value; }

    TChartNotifyEvent OnZoom;
    TChartNotifyEvent OnUndoZoom;
    TChartNotifyEvent OnScroll;
    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxisEvent OnClickAxis;
    TChartClickSeriesEvent OnClickSeries;
    TChartMouseEvent OnClickLegend;
    TChartMouseEvent OnClickBackground;
    // The control's own mouse events.
    TChartMouseEvent OnMouseDown;
    TChartMouseMoveEvent OnMouseMove;
    TChartMouseEvent OnMouseUp;
    TChartMouseMoveEvent OnMouseWheelDown;
    TChartMouseMoveEvent OnMouseWheelUp;

    // Fixed settings of the mouse handling.
    static constexpr TMouseButton zoomButton = mbLeft;
    static constexpr TMouseButton scrollButton = mbRight;
    static constexpr TShiftState zoomShiftKeys = ssNone;
    static constexpr TShiftState scrollShiftKeys = ssNone;
    static constexpr double zoomAnimationDivisor = 3.0;
    // A zoom drag must be longer than this both ways.
    static constexpr int minimumZoomDrag = 16;

private:
    // Wheel turns that do not yet make a whole notch, in eighths of a degree.
    double wheelRemainder_ = 0.0;
    void DrawAxes();
    // Works out the strips of the fast line series about to be drawn and
    // leaves out the segments that later drawing covers; returns the series
    // whose strips are prepared.
    std::vector<TFastLineSeries*> HideCoveredSegments(const std::vector<TChartSeries*>& series,
                                                      const AxisPixelMaps& maps);
    // One series through its drawing entry, clipped to SeriesClipRect when
    // ClipPoints is set, between its drawing handlers.
    void DrawOneSeries(TChartSeries& series, AxisPixelMaps& maps);
    // The steps of DrawTitleBlock. The box: the lines' rectangle grown by the
    // frame, drawn when framed or filled; returns it.
    TChartRect DrawTitleBox(const TChartTitle& title, const TChartRect& text, int frameWidth, int wWidth);
    // The lines from the chart rectangle's edge inward: downward from the top
    // of text, or upward from its bottom, last line first.
    void DrawTitleLines(const TChartTitle& title, const TChartRect& text, int lineHeight, int wWidth, bool atTop);
    void DrawTitleLine(const TChartTitle& title, const std::string& line, int left, int right, int y, int wWidth);
    // Moves the chart rectangle's top (bottom) edge a title gap past the block.
    void MoveChartEdgePastTitle(int blockEnd, bool atTop);
    // Mouse handling helpers (CustomChartMouse.cpp).
    void NoteZoomBandPainted();
    void ShowCursorAt(int x, int y);
    bool RaiseClick(const TChartMouseEvent& handler, TMouseButton button, TShiftState shift, int x, int y);

    TChartTitle title_;
    TChartTitle foot_;
    TChartWall backWall_;
    TChartWall leftWall_;
    TChartLegend legend_;
    TChartWall bottomWall_;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool clipped_ = false;
    TLineCoverage coverage_;
    TChartDrag zoomDrag_;
    TChartDrag scrollDrag_;
    TChartMouseState mouse_;
};
