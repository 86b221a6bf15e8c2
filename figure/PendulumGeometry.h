#pragma once

#include "platform/Extended.h"

// Where the parts of the pendulum figure lie, in logical pixels, worked out
// in the extended type so that every processor draws the same pixels. The
// drawing (PendulumFigure.h) maps these positions onto the device.
namespace figure {

// Pixels per metre of the drawing.
inline constexpr int PixelsPerMetre = 400;
// Half the width of the bar, which is also the radius of its rounded ends.
inline constexpr int HalfWidth = 50;
// Radius of the two dots.
inline constexpr int DotRadius = 4;
// The longest bar drawn, in pixels either way. Far longer than any window, so
// everything that can be seen of a longer bar is drawn the same.
inline constexpr int LongestBar = 1'000'000;

// The nearest integer to an extended-precision value, halves to the even
// neighbour; values beyond any drawable coordinate are held at +-2^30.
int RoundToPixel(platform::Extended value);

// The length of the bar in pixels for a distance from the pivot to the centre
// of mass in metres: length x 400 rounded, halves to even (1/32 m gives 12,
// 3/32 m gives 38), held within +-LongestBar.
int BarLength(double metres);

struct Point {
    platform::Extended x = 0;
    platform::Extended y = 0;
};

// A box given by two opposite corners, as an ellipse or an arc takes it.
struct Corners {
    Point first;
    Point second;
};

// The figure of a body at the angle fi (radians from the downward vertical,
// positive to the right of the pivot) with its pivot at (x, y) and its
// centre of mass l pixels away.
struct PendulumGeometry {
    Point pivot;
    Point centre; // the centre of mass
    // The ends of the two sides: at the pivot's end of the bar and at the
    // far end, where they meet the arcs. Side 1 lies to the right of the
    // bar looking from the pivot to the centre of mass.
    Point pivotSide1;
    Point pivotSide2;
    Point farSide1;
    Point farSide2;
    // The boxes of the rounded ends and of the dots, around the pivot and
    // around the centre of mass, each from its (+x, -y) corner to its
    // (-x, +y) corner.
    Corners pivotEnd;
    Corners farEnd;
    Corners pivotDot;
    Corners centreDot;
};

PendulumGeometry PendulumGeometryOf(int x, int y, int l, double fi);

// The pixel the centre of mass lies in: its position rounded, halves to even.
struct Pixel {
    int x = 0;
    int y = 0;
};
Pixel CentrePixel(const PendulumGeometry& geometry);

} // namespace figure
