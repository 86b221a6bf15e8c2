#pragma once

#include "platform/PixelBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

// How the engine has text measured and drawn: runs of UTF-8 text in a font at
// a position. Each platform gives a backend (platform/qt/QtTextBackend on the
// desktop, web/text/StbTextBackend in the browser).
namespace platform {

// A font as the canvas names it: the family it asks for ("Arial", or a
// face's own name), its em height in logical pixels (FontPixelSize) and its
// styles.
struct TextFont {
    std::string name;
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// The cell of a run in logical pixels: its advance width and the font's
// ascent and descent above and below the baseline; its height is
// ascent + descent.
struct TextExtent {
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

// Where a run goes, in the target's logical pixels: the left end of its
// baseline at (x + left, y + baseline), then the run turned counter-clockwise
// on the screen by angle degrees about (x, y).
struct TextPlacement {
    int x = 0;
    int y = 0;
    int left = 0;
    int baseline = 0;
    double angle = 0.0;
};

class TextBackend {
public:
    virtual ~TextBackend() = default;

    virtual TextExtent Measure(const TextFont& font, std::string_view utf8) = 0;
    // Draws the run at the target's device pixel ratio (the font at that many
    // times its size, the placement scaled alike) in the colour 0xRRGGBB,
    // without antialiasing, changing only the target's pixels inside clip,
    // which is in device pixels.
    virtual void Draw(PixelBuffer& target, const PixelBox& clip, const TextFont& font, const TextPlacement& at,
                      std::string_view utf8, std::uint32_t rgb) = 0;
};

// The backend the canvases measure text with. The platform hands it to the
// engine at start, as it does the palette (platform/qt/QtTextBackend.h on
// the desktop), and keeps it alive while canvases measure; asking before
// that throws std::logic_error.
TextBackend& CurrentTextBackend();
// Hands the backend over (null takes it back); answers the one before.
TextBackend* SetTextBackend(TextBackend* backend);

} // namespace platform
