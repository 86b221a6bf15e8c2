// The page's mouse events, handed to the chart's mouse handling as the
// window's chart hands its own.
#include "web/core/PageChart.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace web {

namespace {

// One notch of a classic wheel, in eighths of a degree.
constexpr double wheelNotch = 120.0;
// A notch as the page reports it: 100 pixels, 3 lines, or a page.
constexpr double wheelNotchPixels = 100.0;
constexpr double wheelNotchLines = 3.0;
// No wheel turns more notches at once; a larger report is taken as this many.
constexpr double wheelMostNotches = 100.0;

bool ToChartButton(int button, TMouseButton& chartButton)
{
    switch (button) {
    case 0:
        chartButton = mbLeft;
        return true;
    case 1:
        chartButton = mbMiddle;
        return true;
    case 2:
        chartButton = mbRight;
        return true;
    default:
        return false;
    }
}

TShiftState ShiftOf(PointerKeys keys)
{
    TShiftState shift = ssNone;
    if (keys.shift)
        shift |= ssShift;
    if (keys.alt)
        shift |= ssAlt;
    if (keys.ctrl)
        shift |= ssCtrl;
    if (keys.buttons & 1u)
        shift |= ssLeft;
    if (keys.buttons & 2u)
        shift |= ssRight;
    if (keys.buttons & 4u)
        shift |= ssMiddle;
    return shift;
}

// A position in logical pixels to the pixel it lies in, rounded as the
// window rounds the mouse's position.
int ToPixel(double v)
{
    constexpr double limit = std::numeric_limits<int>::max();
    if (!(std::abs(v) < limit))
        return v < 0 ? -std::numeric_limits<int>::max() : std::numeric_limits<int>::max();
    return static_cast<int>(std::floor(v + 0.5));
}

// A wheel turn in eighths of a degree, positive away from the user.
double WheelAngle(double deltaY, int deltaMode)
{
    if (!std::isfinite(deltaY))
        return 0.0;
    const double notches = deltaMode == 1 ? deltaY / wheelNotchLines
        : deltaMode == 2                  ? deltaY
                                          : deltaY / wheelNotchPixels;
    return -std::clamp(notches, -wheelMostNotches, wheelMostNotches) * wheelNotch;
}

} // namespace

void PageChart::MouseDown(int button, PointerKeys keys, double x, double y, int clickCount)
{
    TMouseButton chartButton;
    if (!ToChartButton(button, chartButton))
        return;
    const TShiftState shift = ShiftOf(keys) | (clickCount == 2 ? ssDouble : ssNone);
    HandleMouseReportingFailure([&] { HandleMouseDown(chartButton, shift, ToPixel(x), ToPixel(y)); });
}

void PageChart::MouseMove(PointerKeys keys, double x, double y)
{
    HandleMouseReportingFailure([&] { HandleMouseMove(ShiftOf(keys), ToPixel(x), ToPixel(y)); });
}

void PageChart::MouseUp(int button, PointerKeys keys, double x, double y)
{
    TMouseButton chartButton;
    if (!ToChartButton(button, chartButton))
        return;
    HandleMouseReportingFailure([&] { HandleMouseUp(chartButton, ShiftOf(keys), ToPixel(x), ToPixel(y)); });
}

void PageChart::Wheel(double deltaY, int deltaMode, PointerKeys keys, double x, double y)
{
    HandleWheelTurn(WheelAngle(deltaY, deltaMode), ShiftOf(keys), ToPixel(x), ToPixel(y));
}

void PageChart::MouseLeave()
{
    HandleMouseReportingFailure([&] { HandleMouseLeave(); });
}

} // namespace web
