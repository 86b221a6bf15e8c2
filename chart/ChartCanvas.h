#pragma once

#include "chart/ChartPen.h"
#include "chart/ChartRect.h"
#include "platform/Canvas.h"
#include "platform/RasterBitmap.h"

#include <memory>
#include <span>
#include <string>

// The one canvas through which a chart, its axes and its series draw.
//
// It draws on a target, a platform::Canvas it does not own: outside painting
// the chart window's own canvas (which the chart control binds to its
// surface, or a test to an image standing for the window), and between
// BeginDrawing and EndDrawing of a buffered paint the canvas of its off-screen
// bitmap. Pen(), Brush() and Font() are the target's own objects, so changing
// them changes what the target draws with; switching the target switches all
// of them together.
//
// The off-screen bitmap is kept between paints: a paint with nothing changed
// (dirty False) only copies it to the window. It is made for the logical
// paint size at the device pixel ratio of the target it is copied to, drawn
// by that target's backend (CanvasTarget::Bitmaps), made again when the size
// or ratio changes, and dropped when the buffer is turned off or the
// monochrome flag changes. Only flat drawing is provided.
//
// Coordinates are logical pixels; Mapping() tells how they map onto the
// device pixels of the current target, for the fast line series, which works
// out its positions at device resolution and draws them through
// DrawDeviceLineStrips.
class TChartCanvas3D {
public:
    // The canvas starts with the given target (the chart window's canvas).
    explicit TChartCanvas3D(platform::Canvas* target);
    ~TChartCanvas3D();
    TChartCanvas3D(const TChartCanvas3D&) = delete;
    TChartCanvas3D& operator=(const TChartCanvas3D&) = delete;

    // The current target; a canvas without one draws nothing (text is still measured).
    platform::Canvas* Target() const { return target_; }
    void SetTarget(platform::Canvas* target);

    platform::CanvasPen& Pen() { return Current().Pen(); }
    platform::CanvasBrush& Brush() { return Current().Brush(); }
    platform::CanvasFont& Font() { return Current().Font(); }

    bool UseOffscreenBuffer() const { return useOffscreenBuffer_; }
    // Turning the buffer off drops the bitmap and marks the picture stale.
    void SetUseOffscreenBuffer(bool value);
    bool Dirty() const { return dirty_; }
    void MarkDirty() { dirty_ = true; }
    bool Monochrome() const { return monochrome_; }
    // A change drops the bitmap and marks the picture stale; the chart's own
    // Monochrome setter asks for the repaint.
    void SetMonochrome(bool value);
    // The off-screen bitmap; null before the first buffered paint.
    const platform::RasterBitmap* Bitmap() const { return bitmap_.get(); }

    // Prepares a paint of rect on target and returns the rectangle to draw
    // in: (0, 0, width, height) of the off-screen bitmap, or rect itself when
    // drawing straight onto the target.
    TChartRect BeginDrawing(platform::Canvas* target, const TChartRect& rect);
    // Copies a buffered picture to target at rect's top-left corner (the
    // picture is then current), and makes windowCanvas the target again.
    void EndDrawing(platform::Canvas* target, platform::Canvas* windowCanvas, const TChartRect& rect);
    // When the kept picture is current and made at the target's device pixel
    // ratio, copies it to the target at (0, 0) and answers True; otherwise
    // copies nothing and answers False.
    bool RedrawFromBuffer();
    // Block copy of the whole bitmap with its top-left corner at (x, y).
    void CopyBufferTo(int x, int y, platform::Canvas& canvas);

    void SetBackgroundColor(TColor color);
    void SetBackgroundMode(TBackgroundMode mode);
    // TextAlign flags; the chart sets them back to 0 after use.
    void SetTextAlignment(int flags);
    void FillRectangle(const TChartRect& rect);
    // The background erase of a rectangle: a fill with the current brush.
    void EraseBackground(const TChartRect& rect) { FillRectangle(rect); }
    void MovePenTo(int x, int y);
    // A line from the pen position; (x, y) itself is not drawn.
    void DrawLineTo(int x, int y);
    void DrawLine(int x0, int y0, int x1, int y1);
    void DrawHorizontalLine(int x0, int x1, int y);
    void DrawVerticalLine(int x, int y0, int y1);
    // MovePenTo the first point, then DrawLineTo each further one, with the
    // same pixels but through the fast line path where the pen allows it.
    void DrawLineStrip(std::span<const platform::Point> points);
    // DrawLineStrip of each strip in turn: ends[i] is where strip i ends in
    // points (strip 0 starts at 0, strip i at ends[i - 1]).
    void DrawLineStrips(std::span<const platform::Point> points, std::span<const std::size_t> ends);
    // The same strips in device pixels of the current target; the pen
    // position stays where it was.
    void DrawDeviceLineStrips(std::span<const platform::Point> points, std::span<const std::size_t> ends);
    // How logical pixels map onto the device pixels of the current target.
    const platform::DeviceMapping& Mapping() const { return Current().Mapping(); }
    // Outline in the pen, inside in the brush; x1 and y1 exclusive.
    void DrawRectangle(int x0, int y0, int x1, int y1);
    void DrawRectangle(const TChartRect& rect);
    // The closed outline through the points in the pen, the inside in the brush.
    void DrawPolygon(std::span<const platform::Point> points);
    // The text in the font's colour, placed by the text alignment.
    void DrawTextAt(int x, int y, const std::string& text);
    // The text turned by angle degrees counter-clockwise about (x, y), with a
    // clear brush (no background box); an angle above 360 is reduced by 360.
    void DrawRotatedText(int x, int y, int angle, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    // TextHeight("W").
    int FontHeight() const;
    // Narrows the clip to its intersection with rect.
    void ClipRectangle(const TChartRect& rect);
    void RemoveClipping();

    // Makes the chart pen the canvas pen: an invisible one clears the pen
    // style; a visible one with SmallDots and width 1 becomes the alternate-
    // dots pen of its colour; any other is copied (colour, width, style, mode).
    void ApplyVisiblePen(const TChartPen& pen);
    // Makes the chart font the canvas font, at the canvas font's pixels per
    // inch, which the chart font takes over.
    void SelectFont(TChartFont& font);
    // Pen black, width 1, solid; brush white, solid; font colour black, size
    // 10; background colour white; background mode transparent.
    void ResetCanvasState();

private:
    platform::Canvas& Current() { return target_ != nullptr ? *target_ : detached_; }
    const platform::Canvas& Current() const { return target_ != nullptr ? *target_ : detached_; }
    void DropBitmap();

    platform::Canvas* target_ = nullptr;
    // Stands in for a missing target: draws nothing, measures text.
    platform::Canvas detached_;
    bool useOffscreenBuffer_ = true;
    bool dirty_ = true;
    bool monochrome_ = false;
    std::unique_ptr<platform::RasterBitmap> bitmap_;
};
