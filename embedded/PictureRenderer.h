#pragma once

#include "embedded/VectorPicture.h"
#include "platform/PixelBuffer.h"
#include "platform/TextBackend.h"

// The serif face of the Times kind in which the picture's glyphs are drawn
// (Latin letters, digits, Greek letters and the operators), at a pixel em
// height of at least 1; text backends draw without smoothing, so glyph
// pixels are solid black.
platform::TextFont PictureFont(GlyphSlant slant, int pixelSize);

// The device pixels of a box of logical pixels in a buffer of the given
// device pixel ratio: each edge at round(edge * ratio), halves to even.
platform::PixelBox DeviceBox(const platform::PixelBox& logical, double ratio);

// Sets the pixels of the box (logical pixels) that lie inside clip (device
// pixels) to the colour 0xRRGGBB.
void FillBox(platform::PixelBuffer& buffer, const platform::PixelBox& clip, const platform::PixelBox& box,
             std::uint32_t rgb);

// Draws the picture in black, mapped onto target (logical pixels of the
// buffer), with a transparent text background, changing only the pixels
// inside clip (device pixels). Glyphs go through the text backend.
void DrawVectorPicture(platform::PixelBuffer& buffer, const platform::PixelBox& clip, const VectorPicture& picture,
                       const platform::PixelBox& target, platform::TextBackend& text);
