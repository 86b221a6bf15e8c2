#pragma once

namespace platform {
class Canvas;
class PixelBuffer;
} // namespace platform

namespace web {

// Binds the canvas to draw into the pixels at their device pixel ratio, on
// the engine's own target with the text backend handed to the engine. The
// target writes into the pixels as it draws, so they are current after each
// drawing call. The pixels must outlive the binding.
void BindCanvas(platform::Canvas& canvas, platform::PixelBuffer& pixels);

} // namespace web
