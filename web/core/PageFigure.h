#pragma once

#include "platform/Canvas.h"
#include "platform/PixelBuffer.h"
#include "web/core/PageCanvasBinding.h"

#include <optional>

namespace web {

// The page's picture of the pendulum: the window's image of the figure,
// 377 x 673 logical pixels at the page's device pixel ratio. It has no
// pixels until the first frame, as the window's image draws nothing of its
// own until then.
class PageFigure {
public:
    static constexpr int Width = 377;
    static constexpr int Height = 673;

    explicit PageFigure(double ratio = 1.0);
    PageFigure(const PageFigure&) = delete;
    PageFigure& operator=(const PageFigure&) = delete;

    // A new frame, as the window draws it: the picture cleared to white,
    // then the pendulum of the given length [m] at the angle fi [rad]
    // hanging from the pivot.
    void DrawFrame(double length, double fi);
    // The page's device pixel ratio: a change makes the picture anew at the
    // new ratio with the last frame in it.
    void SetRatio(double ratio);

    // The picture; empty before the first frame.
    const platform::PixelBuffer& Picture() const { return picture_; }
    // Whether the picture changed since the last call.
    bool TakeChange();

private:
    struct Frame {
        double length = 0.0;
        double fi = 0.0;
    };

    void MakePicture();
    void Draw(const Frame& frame);

    double ratio_;
    std::optional<Frame> lastFrame_;
    platform::PixelBuffer picture_;
    platform::Canvas canvas_;
    bool changed_ = false;
};

} // namespace web
