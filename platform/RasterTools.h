#pragma once

#include "platform/GraphicsTypes.h"

#include <cstdint>

// The pen, brush and font a Canvas draws with. They live inside their canvas;
// whoever holds a reference to one changes what the canvas draws with next.

namespace platform {

// Setting any pen value other than AlternateDots turns the alternate-dots pen
// back into an ordinary one.
class CanvasPen {
public:
    TColor Color() const { return data_.color; }
    int Width() const { return data_.width; }
    TPenStyle Style() const { return data_.style; }
    TPenMode Mode() const { return data_.mode; }
    bool AlternateDots() const { return data_.alternateDots; }
    const TPenData& Data() const { return data_; }

    void SetColor(TColor value) { ordinary().color = value; }
    void SetWidth(int value) { ordinary().width = value; }
    void SetStyle(TPenStyle value) { ordinary().style = value; }
    void SetMode(TPenMode value) { ordinary().mode = value; }
    void SetAlternateDots(bool value) { data_.alternateDots = value; }
    void Assign(const TPenData& value) { data_ = value; }

private:
    TPenData& ordinary()
    {
        data_.alternateDots = false;
        return data_;
    }

    TPenData data_;
};

// Every assignment to the brush, even of the value it already has, makes the
// next operation of its canvas take the background from it: a solid brush
// makes the background opaque in the brush colour, any other style makes it
// transparent. An explicit background mode or colour set after that wins
// until the brush is assigned again. This is what lets "brush style clear"
// mean "text without a background box".
class CanvasBrush {
public:
    TColor Color() const { return data_.color; }
    TBrushStyle Style() const { return data_.style; }
    const TBrushData& Data() const { return data_; }

    void SetColor(TColor value)
    {
        data_.color = value;
        assigned_ = true;
    }
    void SetStyle(TBrushStyle value)
    {
        data_.style = value;
        assigned_ = true;
    }
    void Assign(const TBrushData& value)
    {
        data_ = value;
        assigned_ = true;
    }

private:
    friend class Canvas;
    TBrushData data_;
    bool assigned_ = true;
};

class CanvasFont {
public:
    const QString& Name() const { return data_.name; }
    int Size() const { return data_.size; }
    int PixelHeight() const { return data_.pixelHeight; }
    TColor Color() const { return data_.color; }
    unsigned Styles() const { return data_.styles; }
    int PixelsPerInch() const { return data_.pixelsPerInch; }
    const TFontData& Data() const { return data_; }

    void SetName(const QString& value) { change([&] { data_.name = value; }); }
    void SetSize(int value) { change([&] { data_.size = value; }); }
    void SetPixelHeight(int value) { change([&] { data_.pixelHeight = value; }); }
    void SetColor(TColor value) { data_.color = value; }
    void SetStyles(unsigned value) { change([&] { data_.styles = value; }); }
    void SetPixelsPerInch(int value) { change([&] { data_.pixelsPerInch = value; }); }
    void Assign(const TFontData& value) { change([&] { data_ = value; }); }

    // Grows whenever something that decides the glyphs changes (not the colour).
    std::uint64_t Revision() const { return revision_; }

private:
    // Setting the glyphs the font already has (as every label of a chart
    // does) keeps the revision, so the canvas keeps its font objects.
    template <typename Edit>
    void change(Edit edit)
    {
        const TFontData before = data_;
        edit();
        if (!sameGlyphs(before, data_))
            ++revision_;
    }

    static bool sameGlyphs(const TFontData& a, const TFontData& b)
    {
        return a.name == b.name && a.size == b.size && a.pixelHeight == b.pixelHeight && a.styles == b.styles
               && a.pixelsPerInch == b.pixelsPerInch;
    }

    TFontData data_;
    std::uint64_t revision_ = 0;
};

} // namespace platform
