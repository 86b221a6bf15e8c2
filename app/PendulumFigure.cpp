#include "app/PendulumFigure.h"

#include "model/ExtendedTrigonometry.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"

#include <algorithm>
#include <cmath>

namespace figure {

int RoundToPixel(long double value)
{
    constexpr long double limit = 0x1p30L;
    // lrint rounds in the current mode, which is to nearest with ties to even.
    return static_cast<int>(std::lrint(std::clamp(value, -limit, limit)));
}

int BarLength(double metres)
{
    const long double pixels = static_cast<long double>(metres) * PixelsPerMetre;
    return RoundToPixel(std::clamp<long double>(pixels, -LongestBar, LongestBar));
}

void DrawPendulum(platform::Canvas& canvas, int x, int y, int l, double fi)
{
    using Extended = long double;
    const Extended s = model::ExtendedSine(fi);
    const Extended c = model::ExtendedCosine(fi);
    const Extended X = x;
    const Extended Y = y;
    const Extended L = l;
    constexpr int w = HalfWidth;
    constexpr int d = DotRadius;
    // The pivot's end of each side and the far end, where the sides meet the arcs.
    const int pivotSide1X = RoundToPixel(X + w * c);
    const int pivotSide1Y = RoundToPixel(Y - w * s);
    const int pivotSide2X = RoundToPixel(X - w * c);
    const int pivotSide2Y = RoundToPixel(Y + w * s);
    const int farSide1X = RoundToPixel(X + L * s + w * c);
    const int farSide1Y = RoundToPixel(Y + L * c - w * s);
    const int farSide2X = RoundToPixel(X + L * s - w * c);
    const int farSide2Y = RoundToPixel(Y + L * c + w * s);

    canvas.Pen().SetColor(clBlack);
    // The rounded end around the pivot, on the far side from the body.
    canvas.Arc(x + w, y - w, x - w, y + w, pivotSide1X, pivotSide1Y, pivotSide2X, pivotSide2Y);
    // The rounded end around the centre of mass, on the far side from the pivot.
    canvas.Arc(RoundToPixel(X + w + L * s), RoundToPixel(Y - w + L * c), RoundToPixel(X - w + L * s),
               RoundToPixel(Y + w + L * c), farSide2X, farSide2Y, farSide1X, farSide1Y);
    canvas.MoveTo(pivotSide1X, pivotSide1Y);
    canvas.LineTo(farSide1X, farSide1Y);
    canvas.MoveTo(pivotSide2X, pivotSide2Y);
    canvas.LineTo(farSide2X, farSide2Y);

    canvas.Pen().SetColor(clRed);
    canvas.Ellipse(x + d, y - d, x - d, y + d);
    canvas.Ellipse(RoundToPixel(X + d + L * s), RoundToPixel(Y - d + L * c), RoundToPixel(X - d + L * s),
                   RoundToPixel(Y + d + L * c));
    canvas.MoveTo(x, y);
    canvas.LineTo(RoundToPixel(X + L * s), RoundToPixel(Y + L * c));
}

} // namespace figure
