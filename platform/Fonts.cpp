#include "platform/Fonts.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace platform {

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) / std::llabs(denominator);
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}

int FontPixelSize(const TFontData& font)
{
    const int pixels = font.pixelHeight != 0 ? std::abs(font.pixelHeight)
                                             : std::abs(MulDiv(font.size, font.pixelsPerInch, 72));
    return pixels > 0 ? pixels : 1;
}

TextFont TextFontOf(const TFontData& font)
{
    const auto has = [&font](TFontStyle style) { return (font.styles & static_cast<unsigned>(style)) != 0; };
    return {font.name, FontPixelSize(font), has(TFontStyle::Bold), has(TFontStyle::Italic),
            has(TFontStyle::Underline), has(TFontStyle::StrikeOut)};
}

} // namespace platform
