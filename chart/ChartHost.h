#pragma once

// The mouse cursor shapes of the chart component; 0 is the window's default.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

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

    // Something was drawn straight onto the window canvas outside a paint
    // (the zoom rubber band, a segment of a series that does not repaint):
    // show it. A host whose window canvas is the screen itself has nothing to do.
    virtual void FlushWindow() {}
};
