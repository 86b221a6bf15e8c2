#pragma once

#include "figure/PendulumGeometry.h"
#include "platform/PixelBuffer.h"

namespace platform {
class Canvas;
}

// The line drawing of the swinging body: a flat bar with rounded ends hanging
// from the pivot, 100 pixels wide, outlined in black, with red dots at the
// pivot and at the centre of mass joined by a red line.
namespace figure {

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
platform::PixelBox FrameBounds(int x, int y, int l, double fi);

} // namespace figure
