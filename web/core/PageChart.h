#pragma once

#include "chart/ChartHost.h"
#include "chart/CustomChart.h"
#include "chart/FastLineSeries.h"
#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"
#include "web/core/PageCanvasBinding.h"
#include "web/core/RunChartTarget.h"

#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace web {

// The keys and mouse buttons held with a pointer event, as the page's script
// reads them off the event.
struct PointerKeys {
    // The buttons held: 1 the left, 2 the right, 4 the middle one.
    unsigned buttons = 0;
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
};

// The page's chart: the window's chart, set up and filled by the runs as the
// window's is, drawing into a window picture of its own that the page shows.
//
// The window picture has the device pixels of the chart's box at the page's
// device pixel ratio. A change of the chart asks for a new picture; the page
// calls Paint when it shows the chart (at a run's dispatch step, after a
// mouse action), and Paint answers as the window's paint does: it copies the
// kept picture or renders a new one. Drawing straight onto the window outside
// a paint (the zoom rubber band) is shown at the next Paint as well.
//
// The mouse arrives in logical pixels of the chart's box (the page's CSS
// pixels), with the buttons numbered as the page numbers them (0 the left,
// 1 the middle, 2 the right one), and reaches the chart's mouse handling as
// the window's mouse does. No failure leaves a mouse action or a paint: it
// goes to OnMouseError or OnPaintError.
class PageChart final : public TCustomChart, public RunChartTarget, private ChartHost {
public:
    PageChart();
    ~PageChart() override;
    PageChart(const PageChart&) = delete;
    PageChart& operator=(const PageChart&) = delete;

    // The chart's box in logical pixels and the page's device pixel ratio: a
    // change makes a new window picture and asks for a new picture in it.
    void Resize(int width, int height, double ratio);
    int ClientWidth() const override { return width_; }
    int ClientHeight() const override { return height_; }

    // The runs' set-up, as the window applies it to its chart.
    void SetStartRanges() override;
    void AddRunSeries(int seriesIndex) override;
    void AddPoint(int seriesIndex, double time, double degrees) override;
    void FollowDataPastStartRange(double time) override;
    void RemoveAllSeries() override;

    // Answers what the chart asked for since the last Paint; tells whether
    // the window picture changed.
    bool Paint();
    // What the window shows, as of the last Paint.
    const platform::PixelBuffer& Picture() const { return picture_; }
    // The mouse cursor the chart asks for.
    TCursor WindowCursor() const { return cursor_; }

    // The mouse. clickCount is 2 for the second press of a double click.
    void MouseDown(int button, PointerKeys keys, double x, double y, int clickCount = 1);
    void MouseMove(PointerKeys keys, double x, double y);
    void MouseUp(int button, PointerKeys keys, double x, double y);
    // A wheel turn as the page reports it: deltaY in pixels (deltaMode 0),
    // lines (1) or pages (2), positive towards the user. Turns add up until
    // they make a whole notch.
    void Wheel(double deltaY, int deltaMode, PointerKeys keys, double x, double y);
    void MouseLeave();

private:
    // ChartHost.
    void InvalidateWindow() override { answerPending_ = true; }
    void RepaintNow() override { Answer(); }
    void FlushWindow() override { flushPending_ = true; }
    void SetWindowCursor(TCursor cursor) override { cursor_ = cursor; }

    void MakePicture(double ratio);
    // Answers what the chart asked for into the window picture.
    void Answer();

    int width_ = 0;
    int height_ = 0;
    platform::PixelBuffer picture_;
    platform::Canvas canvas_;
    // The chart asked for a new picture since the last Paint.
    bool answerPending_ = true;
    // Something was drawn onto the window picture outside a paint.
    bool flushPending_ = false;
    // The window picture changed since Paint last told so.
    bool unshown_ = false;
    TCursor cursor_ = crDefault;
    // The runs' series in the order of their slots. Declared last: each
    // series leaves the chart before the chart goes.
    std::vector<std::unique_ptr<TFastLineSeries>> series_;
};

} // namespace web
