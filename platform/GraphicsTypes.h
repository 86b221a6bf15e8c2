#pragma once

#include "platform/Colors.h"

#include <string>

// The pen, brush and font settings a drawing canvas works with. They are plain
// values; platform::Canvas and its target turn them into drawing when it draws.

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Raster modes of the pen. Only pmCopy and pmNotXor are used by the program.
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor,
                pmNotXor };

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross };

enum class TFontStyle : unsigned { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };

// Whether text cells, the gaps of styled pens and hatched brushes get the
// background colour (opaque) or leave what is there (transparent).
enum TBackgroundMode { bkTransparent = 1, bkOpaque = 2 };

// Text alignment flags: one horizontal value combined with one vertical value.
// The anchor point of a text is its top-left corner with 0.
namespace TextAlign {
inline constexpr int Left = 0;
inline constexpr int Right = 2;
inline constexpr int Center = 6;
inline constexpr int Top = 0;
inline constexpr int Bottom = 8;
inline constexpr int HorizontalMask = 6;
inline constexpr int VerticalMask = 8;
} // namespace TextAlign

struct TPenData {
    TColor color = clBlack;
    int width = 1;
    TPenStyle style = psSolid;
    TPenMode mode = pmCopy;
    // A cosmetic pen of alternate single pixels (one on, one off) in the pen colour.
    bool alternateDots = false;

    friend bool operator==(const TPenData&, const TPenData&) = default;
};

struct TBrushData {
    TColor color = clWhite;
    TBrushStyle style = bsSolid;

    friend bool operator==(const TBrushData&, const TBrushData&) = default;
};

struct TFontData {
    std::string name = "Arial";
    // Size in points; the pixel height is round(size * pixelsPerInch / 72).
    int size = 8;
    // When not 0, the pixel height, overriding size (a negative height in the
    // original sense: the em height without the internal leading).
    int pixelHeight = 0;
    TColor color = clBlack;
    unsigned styles = 0; // a combination of TFontStyle bits
    int pixelsPerInch = 96;

    friend bool operator==(const TFontData&, const TFontData&) = default;
};
