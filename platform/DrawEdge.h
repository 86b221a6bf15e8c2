#pragma once

#include "platform/Colors.h"
#include "platform/PixelBuffer.h"

#include <functional>

// The classic three-dimensional edge of a control: up to two one-pixel rings
// (outer, then inner), each either raised (light top and left, dark bottom
// and right) or sunken (the reverse), in the system colours of the palette.
enum class EdgeRing { None, Raised, Sunken };

struct EdgeStyle {
    EdgeRing outer = EdgeRing::None;
    EdgeRing inner = EdgeRing::None;
};

inline constexpr EdgeStyle edgeRaised{EdgeRing::Raised, EdgeRing::Raised};
inline constexpr EdgeStyle edgeSunken{EdgeRing::Sunken, EdgeRing::Sunken};
inline constexpr EdgeStyle edgeEtched{EdgeRing::Sunken, EdgeRing::Raised};
inline constexpr EdgeStyle edgeBump{EdgeRing::Raised, EdgeRing::Sunken};

// Which sides get the edge, and whether the interior is filled.
enum EdgeFlag : unsigned {
    bfLeft = 0x1,
    bfTop = 0x2,
    bfRight = 0x4,
    bfBottom = 0x8,
    bfRect = bfLeft | bfTop | bfRight | bfBottom,
    // Fill what lies inside the rings with the face colour (clBtnFace).
    bfMiddle = 0x800,
};

// Whatever paints the edge: fills a box (never empty) with a colour, which
// may be a system colour for the target to resolve. Later fills cover
// earlier ones.
using EdgeFill = std::function<void(const platform::PixelBox& box, TColor color)>;

// Draws the edge along the chosen sides of rect, as fills handed to fill, and
// returns the box inside it (rect shrunk by one pixel per ring on every side
// that has the edge).
//
// Pixel rules of one ring on the box [left, right) x [top, bottom):
// the top-left colour takes the top row up to right - 2 and the left column up
// to bottom - 2; the bottom-right colour takes the whole bottom row and the
// whole right column, so it owns the top-right and bottom-left corners.
// Outer rings use clBtnShadow / clBtnHighlight (sunken) or cl3DLight /
// cl3DDkShadow (raised); inner rings cl3DDkShadow / cl3DLight (sunken) or
// clBtnHighlight / clBtnShadow (raised). Nothing is filled outside rect, also
// when rect is too small for both rings; an empty rect (right <= left or
// bottom <= top) fills nothing and is returned as it is.
platform::PixelBox DrawEdge(const EdgeFill& fill, const platform::PixelBox& rect, EdgeStyle style, unsigned flags);
