#include "embedded/EquationsPicture.h"

#include <array>

namespace {

constexpr GlyphSlant kUpright = GlyphSlant::Upright;
constexpr GlyphSlant kItalic = GlyphSlant::Italic;

// Variables and Greek letters are italic; "sin", the operators and the
// multiplication dots (full stops on the baseline) are upright.
constexpr char32_t kPhi = U'\u03D5';
constexpr char32_t kOmega = U'\u03C9';
constexpr char32_t kEpsilon = U'\u03B5';
constexpr char32_t kMinus = U'\u2212';
constexpr char32_t kDot = U'.';

constexpr int kEm = 100;
constexpr int kSmallEm = 99;

constexpr int kLine1 = 91;
constexpr int kLine2 = 293;
constexpr int kNumerator = 230;
constexpr int kDenominator = 371;
constexpr int kLine3 = 483;
constexpr int kLine4 = 599;
constexpr int kLine5 = 733;

constexpr std::array kGlyphs{
    // M = −m·g·a·sin φ
    PictureGlyph{U'M', kItalic, 17, kLine1, kEm},
    PictureGlyph{U'=', kUpright, 138, kLine1, kEm},
    PictureGlyph{kMinus, kUpright, 217, kLine1, kEm},
    PictureGlyph{U'm', kItalic, 274, kLine1, kEm},
    PictureGlyph{kDot, kUpright, 343, kLine1, kEm},
    PictureGlyph{U'g', kItalic, 370, kLine1, kEm},
    PictureGlyph{kDot, kUpright, 423, kLine1, kEm},
    PictureGlyph{U'a', kItalic, 445, kLine1, kEm},
    PictureGlyph{kDot, kUpright, 493, kLine1, kEm},
    PictureGlyph{U's', kUpright, 523, kLine1, kEm},
    PictureGlyph{U'i', kUpright, 562, kLine1, kEm},
    PictureGlyph{U'n', kUpright, 590, kLine1, kEm},
    PictureGlyph{kPhi, kItalic, 649, kLine1, kEm},
    // ε = M / J, the fraction's bar is in kRules
    PictureGlyph{kEpsilon, kItalic, 10, kLine2, kEm},
    PictureGlyph{U'=', kUpright, 90, kLine2, kEm},
    PictureGlyph{U'M', kItalic, 178, kNumerator, kEm},
    PictureGlyph{U'J', kItalic, 200, kDenominator, kEm},
    // ω = ω + ε·dt
    PictureGlyph{kOmega, kItalic, 9, kLine3, kSmallEm},
    PictureGlyph{U'=', kUpright, 106, kLine3, kSmallEm},
    PictureGlyph{kOmega, kItalic, 177, kLine3, kSmallEm},
    PictureGlyph{U'+', kUpright, 268, kLine3, kSmallEm},
    PictureGlyph{kEpsilon, kItalic, 337, kLine3, kSmallEm},
    PictureGlyph{kDot, kUpright, 390, kLine3, kSmallEm},
    PictureGlyph{U'd', kItalic, 412, kLine3, kSmallEm},
    PictureGlyph{U't', kItalic, 462, kLine3, kSmallEm},
    // φ = φ + ω·dt
    PictureGlyph{kPhi, kItalic, 7, kLine4, kEm},
    PictureGlyph{U'=', kUpright, 98, kLine4, kEm},
    PictureGlyph{kPhi, kItalic, 168, kLine4, kEm},
    PictureGlyph{U'+', kUpright, 252, kLine4, kEm},
    PictureGlyph{kOmega, kItalic, 320, kLine4, kEm},
    PictureGlyph{kDot, kUpright, 390, kLine4, kEm},
    PictureGlyph{U'd', kItalic, 412, kLine4, kEm},
    PictureGlyph{U't', kItalic, 462, kLine4, kEm},
    // t = t + dt
    PictureGlyph{U't', kItalic, 12, kLine5, kSmallEm},
    PictureGlyph{U'=', kUpright, 68, kLine5, kSmallEm},
    PictureGlyph{U't', kItalic, 144, kLine5, kSmallEm},
    PictureGlyph{U'+', kUpright, 194, kLine5, kSmallEm},
    PictureGlyph{U'd', kItalic, 268, kLine5, kSmallEm},
    PictureGlyph{U't', kItalic, 318, kLine5, kSmallEm},
};

constexpr std::array kRules{
    PictureRule{170, 281, 268, 5}, // the bar of M / J
};

constexpr PictureSize kWindow{2699, 757};
constexpr PictureSize kExtent{11451, 3207};

} // namespace

VectorPicture EquationsPicture()
{
    return VectorPicture{kWindow, kExtent, {kGlyphs.begin(), kGlyphs.end()},
                         {kRules.begin(), kRules.end()}};
}
