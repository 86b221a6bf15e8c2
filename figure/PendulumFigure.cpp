#include "figure/PendulumFigure.h"

#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "platform/DeviceMapping.h"

#include <algorithm>
#include <utility>

namespace figure {

// The positions are worked out at the resolution of the canvas's target from
// the same extended-precision values at any device pixel ratio: the corners
// of the boxes (and the arcs' ray points, which lie in the boxes' frame) as
// device edges, the ends of the lines as device positions of one-pixel lines
// through the points. At a ratio of 1 both round to the nearest pixel.
void DrawPendulum(platform::Canvas& canvas, int x, int y, int l, double fi)
{
    const PendulumGeometry figure = PendulumGeometryOf(x, y, l, fi);
    const platform::DeviceMapping mapping = canvas.Mapping();
    // The figure is drawn with a one-pixel pen.
    const int penWidth = mapping.PenWidth(1);
    const auto edge = [&mapping](platform::Extended value) { return mapping.Edge(value); };
    const auto point = [&mapping, penWidth](Point p) {
        return platform::Point(mapping.PointLine(p.x, penWidth), mapping.PointLine(p.y, penWidth));
    };
    const auto arc = [&canvas, &edge](const Corners& box, Point from, Point to) {
        return canvas.DeviceArc(edge(box.first.x), edge(box.first.y), edge(box.second.x), edge(box.second.y),
                                edge(from.x), edge(from.y), edge(to.x), edge(to.y));
    };
    const auto ellipse = [&canvas, &edge](const Corners& box) {
        canvas.DeviceEllipse(edge(box.first.x), edge(box.first.y), edge(box.second.x), edge(box.second.y));
    };

    canvas.Pen().SetColor(clBlack);
    // The rounded end around the pivot, on the far side from the body.
    const platform::Canvas::ArcEnds pivotArc = arc(figure.pivotEnd, figure.pivotSide1, figure.pivotSide2);
    // The rounded end around the centre of mass, on the far side from the pivot.
    const platform::Canvas::ArcEnds farArc = arc(figure.farEnd, figure.farSide2, figure.farSide1);
    if (mapping.IsIdentity()) {
        canvas.DrawDeviceLine(point(figure.pivotSide1), point(figure.farSide1));
        canvas.DrawDeviceLine(point(figure.pivotSide2), point(figure.farSide2));
    } else {
        // At the device resolution the sides run between the arcs' own
        // ends, both ends drawn, so that the outline is closed there.
        const auto arcEnd = [penWidth](const platform::raster::RealPoint& end) {
            return platform::Point(platform::DeviceMapping::DeviceLinePosition(end.x, penWidth),
                                   platform::DeviceMapping::DeviceLinePosition(end.y, penWidth));
        };
        for (const auto& [from, to] : {std::pair(pivotArc.from, farArc.to), std::pair(pivotArc.to, farArc.from)}) {
            canvas.DrawDeviceLine(arcEnd(from), arcEnd(to));
            canvas.DrawDeviceLine(arcEnd(to), arcEnd(from));
        }
    }

    canvas.Pen().SetColor(clRed);
    ellipse(figure.pivotDot);
    ellipse(figure.centreDot);
    canvas.DrawDeviceLine(point(figure.pivot), point(figure.centre));
    // The device lines leave the pen position alone; it ends at the centre
    // of mass, where the line to it has always left it.
    const Pixel centre = CentrePixel(figure);
    canvas.MoveTo(centre.x, centre.y);
}

platform::PixelBox FrameBounds(int x, int y, int l, double fi)
{
    // A one-pixel pen reaches at most a logical pixel beyond a shape's
    // logical corners at any ratio; one more for the rounding of the centre.
    constexpr int margin = 2;
    const Pixel centre = CentrePixel(PendulumGeometryOf(x, y, l, fi));
    const int reach = HalfWidth + margin;
    return {std::min(x, centre.x) - reach, std::min(y, centre.y) - reach, std::max(x, centre.x) + reach + 1,
            std::max(y, centre.y) + reach + 1};
}

} // namespace figure
