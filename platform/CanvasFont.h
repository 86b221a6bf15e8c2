#pragma once

#include "platform/GraphicsTypes.h"

#include <cstdint>
#include <string>

// The font a Canvas writes and measures text with. It lives inside its
// canvas: whoever holds a reference to it changes what the canvas draws with
// next.

namespace platform {

class CanvasFont {
public:
    const std::string& Name() const { return data_.name; }
    int Size() const { return data_.size; }
    int PixelHeight() const { return data_.pixelHeight; }
    TColor Color() const { return data_.color; }
    unsigned Styles() const { return data_.styles; }
    int PixelsPerInch() const { return data_.pixelsPerInch; }
    const TFontData& Data() const { return data_; }

    void SetName(const std::string& value) { Change([&] { data_.name = value; }); }
    void SetSize(int value) { Change([&] { data_.size = value; }); }
    void SetPixelHeight(int value) { Change([&] { data_.pixelHeight = value; }); }
    void SetColor(TColor value) { data_.color = value; }
    void SetStyles(unsigned value) { Change([&] { data_.styles = value; }); }
    void SetPixelsPerInch(int value) { Change([&] { data_.pixelsPerInch = value; }); }
    void Assign(const TFontData& value) { Change([&] { data_ = value; }); }

    // Grows whenever something that decides the glyphs changes (not the colour).
    std::uint64_t Revision() const { return revision_; }

private:
    // Setting the glyphs the font already has (as every label of a chart
    // does) keeps the revision, so the canvas keeps its font objects.
    template <typename Edit>
    void Change(Edit edit)
    {
        const TFontData before = data_;
        edit();
        if (!SameGlyphs(before, data_))
            ++revision_;
    }

    static bool SameGlyphs(const TFontData& a, const TFontData& b)
    {
        return a.name == b.name && a.size == b.size && a.pixelHeight == b.pixelHeight && a.styles == b.styles
               && a.pixelsPerInch == b.pixelsPerInch;
    }

    TFontData data_;
    std::uint64_t revision_ = 0;
};

} // namespace platform
