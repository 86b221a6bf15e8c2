#include "app/PendulumFigure.h"

#include "model/ExtendedTrigonometry.h"
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/DeviceMapping.h"
#include "platform/Rounding.h"

#include <QPoint>

#include <algorithm>
#include <utility>
#include <cmath>

namespace figure {

int RoundToPixel(long double value)
{
    constexpr int limit = 1 << 30;
    return std::clamp(platform::RoundHalfEven(value), -limit, limit);
}

int BarLength(double metres)
{
    const long double pixels = static_cast<long double>(metres) * PixelsPerMetre;
    return RoundToPixel(std::clamp<long double>(pixels, -LongestBar, LongestBar));
}

// The positions are worked out at the resolution of the canvas's target from
// the same extended-precision values at any device pixel ratio: the corners
// of the boxes (and the arcs' ray points, which lie in the boxes' frame) as
// device edges, the ends of the lines as device positions of one-pixel lines
// through the points. At a ratio of 1 both round to the nearest pixel.
void DrawPendulum(platform::Canvas& canvas, int x, int y, int l, double fi)
{
    using Extended = long double;
    const platform::DeviceMapping mapping = canvas.Mapping();
    // The figure is drawn with a one-pixel pen.
    const int penWidth = mapping.PenWidth(1);
    const auto edge = [&mapping](Extended value) { return mapping.Edge(value); };
    const auto point = [&mapping, penWidth](Extended px, Extended py) {
        return QPoint(mapping.PointLine(px, penWidth), mapping.PointLine(py, penWidth));
    };

    const Extended s = model::ExtendedSine(fi);
    const Extended c = model::ExtendedCosine(fi);
    const Extended X = x;
    const Extended Y = y;
    const Extended L = l;
    constexpr int w = HalfWidth;
    constexpr int d = DotRadius;
    // The pivot's end of each side and the far end, where the sides meet the arcs.
    const Extended pivotSide1X = X + w * c;
    const Extended pivotSide1Y = Y - w * s;
    const Extended pivotSide2X = X - w * c;
    const Extended pivotSide2Y = Y + w * s;
    const Extended farSide1X = X + L * s + w * c;
    const Extended farSide1Y = Y + L * c - w * s;
    const Extended farSide2X = X + L * s - w * c;
    const Extended farSide2Y = Y + L * c + w * s;
    const Extended centreX = X + L * s;
    const Extended centreY = Y + L * c;

    canvas.Pen().SetColor(clBlack);
    // The rounded end around the pivot, on the far side from the body.
    const platform::Canvas::ArcEnds pivotArc
        = canvas.DeviceArc(edge(x + w), edge(y - w), edge(x - w), edge(y + w), edge(pivotSide1X), edge(pivotSide1Y),
                           edge(pivotSide2X), edge(pivotSide2Y));
    // The rounded end around the centre of mass, on the far side from the pivot.
    const platform::Canvas::ArcEnds farArc
        = canvas.DeviceArc(edge(X + w + L * s), edge(Y - w + L * c), edge(X - w + L * s), edge(Y + w + L * c),
                           edge(farSide2X), edge(farSide2Y), edge(farSide1X), edge(farSide1Y));
    if (mapping.IsIdentity()) {
        canvas.DrawDeviceLine(point(pivotSide1X, pivotSide1Y), point(farSide1X, farSide1Y));
        canvas.DrawDeviceLine(point(pivotSide2X, pivotSide2Y), point(farSide2X, farSide2Y));
    } else {
        // At the device resolution the sides run between the arcs' own
        // ends, both ends drawn, so that the outline is closed there.
        const auto arcEnd = [penWidth](QPointF end) {
            return QPoint(platform::DeviceMapping::DeviceLinePosition(end.x(), penWidth),
                          platform::DeviceMapping::DeviceLinePosition(end.y(), penWidth));
        };
        for (const auto& [from, to] : {std::pair(pivotArc.from, farArc.to), std::pair(pivotArc.to, farArc.from)}) {
            canvas.DrawDeviceLine(arcEnd(from), arcEnd(to));
            canvas.DrawDeviceLine(arcEnd(to), arcEnd(from));
        }
    }

    canvas.Pen().SetColor(clRed);
    canvas.DeviceEllipse(edge(x + d), edge(y - d), edge(x - d), edge(y + d));
    canvas.DeviceEllipse(edge(X + d + L * s), edge(Y - d + L * c), edge(X - d + L * s), edge(Y + d + L * c));
    canvas.DrawDeviceLine(point(X, Y), point(centreX, centreY));
    // The device lines leave the pen position alone; it ends at the centre
    // of mass, where the line to it has always left it.
    canvas.MoveTo(RoundToPixel(centreX), RoundToPixel(centreY));
}

QRect FrameBounds(int x, int y, int l, double fi)
{
    // A one-pixel pen reaches at most a logical pixel beyond a shape's
    // logical corners at any ratio; one more for the rounding of the centre.
    constexpr int margin = 2;
    const long double L = l;
    const int centreX = RoundToPixel(x + L * model::ExtendedSine(fi));
    const int centreY = RoundToPixel(y + L * model::ExtendedCosine(fi));
    const int reach = HalfWidth + margin;
    return QRect(QPoint(std::min(x, centreX) - reach, std::min(y, centreY) - reach),
                 QPoint(std::max(x, centreX) + reach, std::max(y, centreY) + reach));
}

} // namespace figure
