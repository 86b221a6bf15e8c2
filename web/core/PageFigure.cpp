#include "web/core/PageFigure.h"

#include "figure/PendulumFigure.h"
#include "figure/PendulumGeometry.h"
#include "platform/DeviceMapping.h"

namespace web {

namespace {

// Where the pendulum hangs in the picture, as in the window's image.
constexpr int PivotX = 200;
constexpr int PivotY = 100;

} // namespace

PageFigure::PageFigure(double ratio)
    : ratio_(ratio)
{
}

void PageFigure::DrawFrame(double length, double fi)
{
    if (picture_.IsEmpty())
        MakePicture();
    lastFrame_ = Frame{length, fi};
    Draw(*lastFrame_);
}

void PageFigure::SetRatio(double ratio)
{
    if (ratio == ratio_)
        return;
    ratio_ = ratio;
    if (!lastFrame_)
        return;
    MakePicture();
    Draw(*lastFrame_);
}

bool PageFigure::TakeChange()
{
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

void PageFigure::MakePicture()
{
    canvas_.Unbind();
    const platform::DeviceMapping mapping{ratio_};
    picture_ = platform::PixelBuffer(mapping.Size(Width), mapping.Size(Height), ratio_);
    BindCanvas(canvas_, picture_);
}

void PageFigure::Draw(const Frame& frame)
{
    canvas_.Brush().SetColor(clWhite);
    canvas_.FillRect(0, 0, Width, Height);
    figure::DrawPendulum(canvas_, PivotX, PivotY, figure::BarLength(frame.length), frame.fi);
    changed_ = true;
}

} // namespace web
