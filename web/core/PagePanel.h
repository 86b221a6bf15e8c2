#pragma once

#include "platform/PixelBuffer.h"
#include "platform/TextBackend.h"

namespace web {

// The page's equations panel "tlumene": the window's disabled panel, 161 x
// 169 logical pixels, drawn by the engine at the page's device pixel ratio
// (its colour, its sunken edge, the equations at 96 pixels per inch clipped
// to the interior), its glyphs through the given text backend. Disabled, it
// looks as the window's does: the picture in full colour.
class PagePanel {
public:
    static constexpr int Width = 161;
    static constexpr int Height = 169;

    // The text backend must outlive the panel.
    explicit PagePanel(platform::TextBackend& text);

    // The picture at the ratio, drawn anew when the ratio is not the one it
    // was drawn at (or it was never drawn): true then.
    bool Update(double ratio);
    // The picture as of the last update; empty before it.
    const platform::PixelBuffer& Picture() const { return picture_; }

private:
    platform::TextBackend& text_;
    platform::PixelBuffer picture_;
};

// The panel's picture as the window draws it, at the ratio, with the given
// text backend.
platform::PixelBuffer DrawPanelPicture(platform::TextBackend& text, double ratio);

} // namespace web
