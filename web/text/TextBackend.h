#pragma once

#include <cstdint>
#include <string_view>

// How the engine's canvas has its text measured and drawn where no desktop
// toolkit does it: runs of UTF-8 text in a font at a pixel size, into a
// plain 32-bit pixel buffer.
namespace web {

// A 32-bit pixel buffer, rows of stride pixels each 0xFFRRGGBB (the layout
// of the desktop's RGB32 images), borrowed from its owner.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// Pixels [left, right) x [top, bottom) that drawing may change.
struct ClipRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A font as the canvas names it: the family the chart or the window asks for
// ("Arial", "Times New Roman", or a face's own name), its em height in device
// pixels, and its styles.
struct TextFont {
    std::string_view name;
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
};

// The cell of a run: its advance width and the font's ascent and descent
// above and below the baseline, in whole pixels; height = ascent + descent.
struct TextExtent {
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

class TextBackend {
public:
    virtual ~TextBackend() = default;

    virtual TextExtent Measure(const TextFont& font, std::string_view utf8) = 0;
    // Draws the run with the left end of its baseline at (x, baseline),
    // turned counter-clockwise on the screen by angle degrees about that
    // point, in the colour 0xRRGGBB, without antialiasing, changing only
    // pixels inside the clip and the buffer.
    virtual void Draw(PixelBuffer& target, const ClipRect& clip, const TextFont& font, int x, int baseline,
                      double angle, std::string_view utf8, std::uint32_t rgb) = 0;
};

} // namespace web
