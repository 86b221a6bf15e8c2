#pragma once

// The mouse cursor shapes of the chart component; 0 is the window's default.
using TCursor = int;
inline constexpr TCursor crDefault = 0;

// What the chart needs of the window that shows it. The chart control widget
// implements it; a chart without a host (rendering into an image, tests) still
// keeps track of its repaint requests.
class ChartHost {
public:
    virtual ~ChartHost() = default;

    // Marks the whole client area for repainting at the next message dispatch.
    virtual void InvalidateWindow() = 0;
    // Paints the window at once, without waiting for the message dispatch.
    virtual void RepaintNow() = 0;

    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;

    virtual void SetWindowCursor(TCursor cursor) = 0;
};
