#pragma once

#include <QRect>

namespace platform {
class Canvas;
}

// The line drawing of the swinging body: a flat bar with rounded ends hanging
// from the pivot, 100 pixels wide, outlined in black, with red dots at the
// pivot and at the centre of mass joined by a red line.
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
int RoundToPixel(long double value);

// The length of the bar in pixels for a distance from the pivot to the centre
// of mass in metres: length x 400 rounded, halves to even (1/32 m gives 12,
// 3/32 m gives 38), held within +-LongestBar.
int BarLength(double metres);

// Draws the body at the angle fi (radians from the downward vertical, positive
// to the right of the pivot) with its pivot at (x, y) and its centre of mass
// l pixels away, over what the canvas holds. The geometry is in logical
// pixels; on a target with a device pixel ratio above 1 its positions are
// worked out at the device resolution. Leaves the pen red, its position at
// the centre of mass.
void DrawPendulum(platform::Canvas& canvas, int x, int y, int l, double fi);

// The logical pixels that DrawPendulum with these arguments may set, at any
// device pixel ratio: the outline's box around the pivot and the centre of
// mass, with a margin for the pen and the rounding of device positions.
QRect FrameBounds(int x, int y, int l, double fi);

} // namespace figure
