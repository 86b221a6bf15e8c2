#pragma once

#include "platform/GraphicsTypes.h"

// The brush a Canvas fills with. It lives inside its canvas: whoever holds a
// reference to it changes what the canvas draws with next.

namespace platform {

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

} // namespace platform
