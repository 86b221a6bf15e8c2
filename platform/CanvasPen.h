#pragma once

#include "platform/GraphicsTypes.h"

// The pen a Canvas draws lines and outlines with. It lives inside its
// canvas: whoever holds a reference to it changes what the canvas draws with
// next.

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

    void SetColor(TColor value) { Ordinary().color = value; }
    void SetWidth(int value) { Ordinary().width = value; }
    void SetStyle(TPenStyle value) { Ordinary().style = value; }
    void SetMode(TPenMode value) { Ordinary().mode = value; }
    void SetAlternateDots(bool value) { data_.alternateDots = value; }
    void Assign(const TPenData& value) { data_ = value; }

private:
    TPenData& Ordinary()
    {
        data_.alternateDots = false;
        return data_;
    }

    TPenData data_;
};

} // namespace platform
