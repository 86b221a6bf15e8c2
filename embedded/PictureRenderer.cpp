#include "embedded/PictureRenderer.h"

#include "embedded/PictureMapping.h"
#include "platform/Rounding.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr std::uint32_t kBlack = 0x000000u;

std::string GlyphText(char32_t character)
{
    std::string text;
    platform::AppendUtf8(text, character);
    return text;
}

platform::PixelBox Intersected(const platform::PixelBox& a, const platform::PixelBox& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

} // namespace

platform::TextFont PictureFont(GlyphSlant slant, int pixelSize)
{
    platform::TextFont font;
    font.name = "Times New Roman";
    font.pixelSize = std::max(1, pixelSize);
    font.italic = slant == GlyphSlant::Italic;
    return font;
}

platform::PixelBox DeviceBox(const platform::PixelBox& logical, double ratio)
{
    if (ratio == 1.0)
        return logical;
    const auto edge = [ratio](int x) { return static_cast<int>(std::floor(x * ratio + 0.5)); };
    return {edge(logical.left), edge(logical.top), edge(logical.right), edge(logical.bottom)};
}

void FillBox(platform::PixelBuffer& buffer, const platform::PixelBox& clip, const platform::PixelBox& box,
             std::uint32_t rgb)
{
    const platform::PixelBox inside = Intersected(
        Intersected(DeviceBox(box, buffer.Ratio()), clip), {0, 0, buffer.Width(), buffer.Height()});
    const std::uint32_t pixel = 0xFF000000u | (rgb & 0xFFFFFFu);
    for (int y = inside.top; y < inside.bottom; ++y)
        std::fill(buffer.Row(y) + inside.left, buffer.Row(y) + std::max(inside.left, inside.right), pixel);
}

void DrawVectorPicture(platform::PixelBuffer& buffer, const platform::PixelBox& clip, const VectorPicture& picture,
                       const platform::PixelBox& target, platform::TextBackend& text)
{
    const PictureMapping mapping(picture.window, target);
    if (!mapping.IsValid())
        return;

    for (const PictureGlyph& glyph : picture.glyphs) {
        const platform::TextPlacement at{mapping.X(glyph.x), mapping.Y(glyph.baseline), 0, 0, 0.0};
        text.Draw(buffer, clip, PictureFont(glyph.slant, mapping.Height(glyph.emHeight)), at,
                  GlyphText(glyph.character), kBlack);
    }
    for (const PictureRule& rule : picture.rules) {
        // A pen thinner than a pixel still draws one pixel.
        const int width = std::max(1, mapping.Height(rule.penWidth));
        const int left = mapping.X(std::min(rule.x0, rule.x1));
        const int right = mapping.X(std::max(rule.x0, rule.x1));
        const int top = mapping.Y(rule.y) - width / 2;
        FillBox(buffer, clip, {left, top, right, top + width}, kBlack);
    }
}
