#pragma once

#include <vector>

// Arcs and ellipses of a real box as cubic Bézier curves, and those curves
// as polylines, the way an aliased vector painter approximates them: each
// quarter of the ellipse is one cubic with the usual 0.5522847498 handle
// length, a part of a quarter is the piece of that cubic between the
// parameters of its end angles, and a curve is halved until it is flat.
namespace platform::raster {

struct RealPoint {
    double x = 0;
    double y = 0;
};

// A box with real corners: x .. x + width, y .. y + height.
struct RealBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

struct Cubic {
    RealPoint from;
    RealPoint control1;
    RealPoint control2;
    RealPoint to;
};

// The arc of the ellipse inscribed in box from startDegrees, running
// spanDegrees counter-clockwise as seen on the screen (clockwise for a
// negative span); a span beyond a full turn is a full turn.
std::vector<Cubic> ArcCubics(const RealBox& box, double startDegrees, double spanDegrees);

// The whole ellipse, from its rightmost point counter-clockwise.
std::vector<Cubic> EllipseCubics(const RealBox& box);

// Appends the end points of the straight pieces a cubic is drawn as (its
// start point is not appended): halved while either control point lies a
// quarter of the end points' |dx| + |dy| or more off their chord (measured
// as the cross product with it), at most six times.
void FlattenCubic(const Cubic& cubic, std::vector<RealPoint>& points);

// The same for a curve that is filled: halved while the cross products of
// the two control points with the chord (from the start) add up to a quarter
// of the chord's |dx| + |dy| or more - or, for a chord with |dx| + |dy| under
// 1, while the control points' |dx| + |dy| from the start add up to a
// quarter or more - at most nine times.
void FlattenCubicForFill(const Cubic& cubic, std::vector<RealPoint>& points);

enum class Flattening { Outline, Fill };

// The polyline of a chain of cubics: the first one's start, then each one's pieces.
std::vector<RealPoint> Flatten(const std::vector<Cubic>& cubics, Flattening use = Flattening::Outline);

} // namespace platform::raster
