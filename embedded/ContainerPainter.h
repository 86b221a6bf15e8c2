#pragma once

#include "embedded/VectorPicture.h"
#include "platform/Colors.h"
#include "platform/PixelBuffer.h"
#include "platform/TextBackend.h"

// What the equations panel looks like, independent of any window: the
// control's colour erased, a sunken two-pixel edge around the whole control
// with its interior in the face colour, then (when there is one) the picture
// at its natural size for the given pixel density, its top-left corner at the
// interior's top-left corner and clipped to the interior.
struct ContainerLook {
    TColor color = clWhite;
    const VectorPicture* picture = nullptr;
    int pixelsPerInchX = 96;
    int pixelsPerInchY = 96;
};

// Paints the panel into bounds (the control's box, in logical pixels of the
// buffer, which is drawn at its device pixel ratio), its glyphs through the
// text backend, and returns the interior inside the edge.
platform::PixelBox PaintContainer(platform::PixelBuffer& buffer, const platform::PixelBox& bounds,
                                  const ContainerLook& look, platform::TextBackend& text);
