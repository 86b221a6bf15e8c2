#include "web/text/StbTextBackend.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmisleading-indentation"
#endif
#endif
#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace web {

struct StbTextBackend::Face {
    std::string family;
    bool bold = false;
    bool italic = false;
    std::vector<unsigned char> file;
    stbtt_fontinfo info{};
    int ascender = 0;
    int descender = 0;

    float Scale(int pixelSize) const { return stbtt_ScaleForMappingEmToPixels(&info, static_cast<float>(pixelSize)); }
};

namespace {

// A turn on the screen by a whole number of quarter turns, counter-clockwise:
// which pixel a pixel (u, v) of the upright run lands on, from the anchor.
struct QuarterTurn {
    int turns = 0;

    std::pair<int, int> Place(int u, int v) const
    {
        switch (turns) {
        case 1:
            return {v, -u - 1};
        case 2:
            return {-u - 1, -v - 1};
        case 3:
            return {-v - 1, u};
        default:
            return {u, v};
        }
    }
};

// The quarter turns of an angle in degrees when it is a whole number of them.
std::optional<QuarterTurn> QuarterTurnOf(double angle)
{
    double turn = std::fmod(angle, 360.0);
    if (turn < 0)
        turn += 360.0;
    if (std::fmod(turn, 90.0) != 0.0)
        return std::nullopt;
    return QuarterTurn{static_cast<int>(turn / 90.0)};
}

// Keeps strokes thinner than a pixel, which cover no pixel by half (the bars
// of "=" at small sizes): along each column, then each row, a run of touched
// pixels none of which is set nor beside a set pixel, holding at least half
// a pixel of ink in all, sets its most covered pixel. Thicker strokes and the
// edges of set ones stay as the half-pixel rule leaves them.
void KeepThinStrokes(const unsigned char* coverage, int width, int height, std::vector<std::uint8_t>& set)
{
    // lines x length pixels, pixel (line, at) at index(line, at).
    const auto pass = [&](int lines, int length, auto index) {
        const std::vector<std::uint8_t> before = set;
        const auto setAt = [&](int line, int at) { return line >= 0 && line < lines && before[index(line, at)] != 0; };
        for (int line = 0; line < lines; ++line) {
            for (int at = 0; at < length;) {
                if (coverage[index(line, at)] == 0) {
                    ++at;
                    continue;
                }
                int ink = 0;
                bool covered = false;
                std::size_t most = index(line, at);
                for (; at < length && coverage[index(line, at)] != 0; ++at) {
                    const std::size_t i = index(line, at);
                    ink += coverage[i];
                    covered = covered || setAt(line - 1, at) || setAt(line, at) || setAt(line + 1, at);
                    if (coverage[i] > coverage[most])
                        most = i;
                }
                if (!covered && ink >= 128)
                    set[most] = 1;
            }
        }
    };
    const auto pixel = [width](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    };
    pass(width, height, [&](int x, int y) { return pixel(x, y); });
    pass(height, width, [&](int y, int x) { return pixel(x, y); });
}

} // namespace

StbTextBackend::StbTextBackend() = default;
StbTextBackend::~StbTextBackend() = default;

bool StbTextBackend::AddFace(std::string family, std::vector<unsigned char> fontFile, bool bold, bool italic)
{
    auto face = std::make_unique<Face>();
    face->family = std::move(family);
    face->bold = bold;
    face->italic = italic;
    face->file = std::move(fontFile);
    const int offset = stbtt_GetFontOffsetForIndex(face->file.data(), 0);
    if (offset < 0 || stbtt_InitFont(&face->info, face->file.data(), offset) == 0)
        return false;
    int lineGap = 0;
    stbtt_GetFontVMetrics(&face->info, &face->ascender, &face->descender, &lineGap);
    faces_.push_back(std::move(face));
    return true;
}

void StbTextBackend::AddAlias(std::string name, std::string family)
{
    aliases_[std::move(name)] = std::move(family);
}

StbTextBackend::Face* StbTextBackend::FaceFor(const platform::TextFont& font)
{
    std::string family(font.name);
    if (const auto alias = aliases_.find(family); alias != aliases_.end())
        family = alias->second;
    Face* regular = nullptr;
    for (const auto& face : faces_) {
        if (face->family != family)
            continue;
        if (face->bold == font.bold && face->italic == font.italic)
            return face.get();
        if (!face->bold && !face->italic)
            regular = face.get();
    }
    if (regular != nullptr)
        return regular;
    return faces_.empty() ? nullptr : faces_.front().get();
}

const StbTextBackend::Glyph& StbTextBackend::GlyphOf(Face& face, int pixelSize, char32_t point)
{
    const auto key = std::make_tuple(static_cast<const Face*>(&face), pixelSize, point);
    if (const auto found = glyphs_.find(key); found != glyphs_.end())
        return found->second;

    const float scale = face.Scale(pixelSize);
    const int codepoint = static_cast<int>(point);
    Glyph glyph;
    int advance = 0;
    int bearing = 0;
    stbtt_GetCodepointHMetrics(&face.info, codepoint, &advance, &bearing);
    glyph.advance = advance * static_cast<double>(scale);
    unsigned char* coverage = stbtt_GetCodepointBitmap(&face.info, scale, scale, codepoint, &glyph.width,
                                                       &glyph.height, &glyph.left, &glyph.top);
    if (coverage != nullptr) {
        const std::size_t count = static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height);
        glyph.set.resize(count);
        for (std::size_t i = 0; i < count; ++i)
            glyph.set[i] = coverage[i] >= 128 ? 1 : 0;
        KeepThinStrokes(coverage, glyph.width, glyph.height, glyph.set);
        stbtt_FreeBitmap(coverage, nullptr);
    } else {
        glyph.width = glyph.height = 0;
    }
    return glyphs_.emplace(key, std::move(glyph)).first->second;
}

platform::TextExtent StbTextBackend::Measure(const platform::TextFont& font, std::string_view utf8)
{
    Face* const face = FaceFor(font);
    if (face == nullptr)
        return {};
    const float scale = face->Scale(font.pixelSize);
    platform::TextExtent extent;
    extent.ascent = static_cast<int>(std::lround(face->ascender * scale));
    extent.descent = static_cast<int>(std::lround(-face->descender * scale));
    const std::string text(utf8);
    double width = 0.0;
    for (std::size_t position = 0; position < text.size();)
        width += GlyphOf(*face, font.pixelSize, platform::DecodeUtf8(text, position)).advance;
    extent.width = static_cast<int>(std::lround(width));
    return extent;
}

void StbTextBackend::Draw(platform::PixelBuffer& target, const platform::PixelBox& clip,
                          const platform::TextFont& font, const platform::TextPlacement& at, std::string_view utf8,
                          std::uint32_t rgb)
{
    Face* const face = FaceFor(font);
    if (face == nullptr)
        return;
    const double ratio = target.Ratio();
    const auto scaled = [ratio](int logical) { return static_cast<int>(std::lround(logical * ratio)); };
    const int pixelSize = std::max(scaled(font.pixelSize), 1);
    // The point the run turns about, and where its baseline starts from there.
    const int x = scaled(at.x);
    const int y = scaled(at.y);
    const int startU = scaled(at.left);
    const int startV = scaled(at.baseline);
    const double angle = at.angle;
    const int left = std::max(clip.left, 0);
    const int top = std::max(clip.top, 0);
    const int right = std::min(clip.right, target.Width());
    const int bottom = std::min(clip.bottom, target.Height());
    const std::uint32_t pixel = 0xFF000000u | (rgb & 0xFFFFFFu);
    const auto set = [&](int px, int py) {
        if (px >= left && px < right && py >= top && py < bottom)
            target.Row(py)[px] = pixel;
    };

    // Any other angle turns each pixel's centre about the anchor.
    const std::optional<QuarterTurn> quarter = QuarterTurnOf(angle);
    const double radians = angle * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);

    const std::string text(utf8);
    double pen = 0.0;
    for (std::size_t position = 0; position < text.size();) {
        const Glyph& glyph = GlyphOf(*face, pixelSize, platform::DecodeUtf8(text, position));
        const int origin = startU + static_cast<int>(std::lround(pen));
        for (int gy = 0; gy < glyph.height; ++gy) {
            for (int gx = 0; gx < glyph.width; ++gx) {
                if (glyph.set[static_cast<std::size_t>(gy * glyph.width + gx)] == 0)
                    continue;
                const int u = origin + glyph.left + gx;
                const int v = startV + glyph.top + gy;
                if (quarter) {
                    const auto [du, dv] = quarter->Place(u, v);
                    set(x + du, y + dv);
                } else {
                    const double cu = u + 0.5;
                    const double cv = v + 0.5;
                    set(x + static_cast<int>(std::floor(cu * c + cv * s)),
                        y + static_cast<int>(std::floor(-cu * s + cv * c)));
                }
            }
        }
        pen += glyph.advance;
    }
}

} // namespace web
