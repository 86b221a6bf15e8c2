#pragma once

#include "platform/TextBackend.h"

// A text backend whose pictures depend on the engine alone: every character
// advances by half the font's size, and each one but a space is drawn as a
// filled box above the baseline. Runs turn by whole quarter turns (the
// nearest to the angle asked for).
namespace chart_testing {

class BoxTextBackend final : public platform::TextBackend {
public:
    platform::TextExtent Measure(const platform::TextFont& font, std::string_view utf8) override;
    void Draw(platform::PixelBuffer& target, const platform::PixelBox& clip, const platform::TextFont& font,
              const platform::TextPlacement& at, std::string_view utf8, std::uint32_t rgb) override;
};

} // namespace chart_testing
