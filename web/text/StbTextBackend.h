#pragma once

#include "platform/TextBackend.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace web {

// The text backend over TrueType files, rasterised by stb_truetype: glyphs
// at the font's em height in pixels, set where they cover at least half a
// pixel, each at the whole pixel nearest to its pen position; a run's width
// is its advances' sum rounded, ascent and descent the font's rounded, as the
// desktop measures text.
class StbTextBackend final : public platform::TextBackend {
public:
    StbTextBackend();
    ~StbTextBackend() override;
    StbTextBackend(const StbTextBackend&) = delete;
    StbTextBackend& operator=(const StbTextBackend&) = delete;

    // Adds a face from the bytes of its font file; false when they are not a
    // TrueType font.
    bool AddFace(std::string family, std::vector<unsigned char> fontFile, bool bold = false, bool italic = false);
    // Lets a family name stand for a face's family ("Arial" for "Liberation
    // Sans"), as the desktop's font configuration does.
    void AddAlias(std::string name, std::string family);

    platform::TextExtent Measure(const platform::TextFont& font, std::string_view utf8) override;
    // Draws at the target's ratio: the font at that many times its size
    // (rounded), the placement scaled alike and rounded.
    void Draw(platform::PixelBuffer& target, const platform::PixelBox& clip, const platform::TextFont& font,
              const platform::TextPlacement& at, std::string_view utf8, std::uint32_t rgb) override;

private:
    struct Face;
    // A glyph's pixels at one size: set or not, row by row, placed by its
    // offset from the pen position on the baseline.
    struct Glyph {
        double advance = 0.0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> set;
    };

    // The face for the font: its family and styles, else the family's
    // regular face, else the first face added. Null when there is none.
    Face* FaceFor(const platform::TextFont& font);
    const Glyph& GlyphOf(Face& face, int pixelSize, char32_t point);

    std::vector<std::unique_ptr<Face>> faces_;
    std::map<std::string, std::string> aliases_;
    std::map<std::tuple<const Face*, int, char32_t>, Glyph> glyphs_;
};

} // namespace web
