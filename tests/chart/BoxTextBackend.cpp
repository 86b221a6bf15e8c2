#include "tests/chart/BoxTextBackend.h"

#include "platform/Point.h"
#include "platform/Rounding.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace chart_testing {

namespace {

int Advance(const platform::TextFont& font)
{
    return std::max(1, font.pixelSize / 2);
}

int Ascent(const platform::TextFont& font)
{
    return font.pixelSize * 4 / 5;
}

} // namespace

platform::TextExtent BoxTextBackend::Measure(const platform::TextFont& font, std::string_view utf8)
{
    int characters = 0;
    for (const char byte : utf8)
        characters += (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u ? 1 : 0;
    const int ascent = Ascent(font);
    return {characters * Advance(font), ascent, std::max(0, font.pixelSize - ascent)};
}

void BoxTextBackend::Draw(platform::PixelBuffer& target, const platform::PixelBox& clip,
                          const platform::TextFont& font, const platform::TextPlacement& at, std::string_view utf8,
                          std::uint32_t rgb)
{
    const double ratio = target.Ratio();
    const int quarterTurns = ((platform::RoundHalfEven(at.angle / 90.0) % 4) + 4) % 4;
    // A point of the run's own frame (u along the baseline, v down from it),
    // relative to (at.x, at.y), on the target in logical pixels.
    const auto turned = [&](int u, int v) -> platform::Point {
        switch (quarterTurns) {
        case 1:
            return {at.x + v, at.y - u};
        case 2:
            return {at.x - u, at.y - v};
        case 3:
            return {at.x - v, at.y + u};
        default:
            return {at.x + u, at.y + v};
        }
    };
    const auto device = [ratio](int logical) { return platform::RoundHalfEven(logical * ratio); };
    const platform::PixelBox visible = clip.Intersected({0, 0, target.Width(), target.Height()});
    const int advance = Advance(font);
    const int top = at.baseline - Ascent(font) * 3 / 4;
    const std::string text(utf8);
    int left = at.left;
    for (std::size_t position = 0; position < text.size(); left += advance) {
        if (platform::DecodeUtf8(text, position) == U' ')
            continue;
        const platform::Point a = turned(left + 1, top);
        const platform::Point b = turned(left + std::max(2, advance - 1), at.baseline);
        const platform::PixelBox box =
            platform::PixelBox{device(std::min(a.x, b.x)), device(std::min(a.y, b.y)), device(std::max(a.x, b.x)),
                               device(std::max(a.y, b.y))}
                .Intersected(visible);
        for (int y = box.top; y < box.bottom; ++y)
            std::fill(target.Row(y) + box.left, target.Row(y) + box.right, 0xFF000000u | rgb);
    }
}

} // namespace chart_testing
