#pragma once

#include <vector>

// A picture described as vector data in its own logical coordinates: single
// text glyphs placed by the left edge of their cell and their baseline, and
// horizontal rules. A drawer maps the logical window onto a device rectangle,
// x and y scaled independently.

enum class GlyphSlant { Upright, Italic };

struct PictureGlyph {
    char32_t character = U' ';
    GlyphSlant slant = GlyphSlant::Upright;
    int x = 0;        // left edge of the glyph's cell
    int baseline = 0; // y of the baseline
    int emHeight = 0; // em height of the face (the character height without leading)

    friend bool operator==(const PictureGlyph&, const PictureGlyph&) = default;
};

// A horizontal line from x0 to x1 (x1 not included) centred on y.
struct PictureRule {
    int x0 = 0;
    int x1 = 0;
    int y = 0;
    int penWidth = 1;

    friend bool operator==(const PictureRule&, const PictureRule&) = default;
};

// A width and a height.
struct PictureSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

struct VectorPicture {
    // The logical window that is mapped onto the drawing rectangle.
    PictureSize window;
    // The picture's natural size in units of 0.01 mm.
    PictureSize extent;
    std::vector<PictureGlyph> glyphs;
    std::vector<PictureRule> rules;
};
