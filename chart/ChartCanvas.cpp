#include "chart/ChartCanvas.h"

TChartCanvas3D::TChartCanvas3D(platform::Canvas* target)
    : target_(target)
{
}

TChartCanvas3D::~TChartCanvas3D() = default;

void TChartCanvas3D::SetTarget(platform::Canvas* target)
{
    target_ = target;
}

void TChartCanvas3D::SetUseOffscreenBuffer(bool value)
{
    useOffscreenBuffer_ = value;
    if (!value && bitmap_)
        DropBitmap();
}

void TChartCanvas3D::SetMonochrome(bool value)
{
    if (monochrome_ == value)
        return;
    monochrome_ = value;
    if (bitmap_)
        DropBitmap();
    dirty_ = true;
}

void TChartCanvas3D::DropBitmap()
{
    if (target_ == &bitmap_->GetCanvas())
        target_ = nullptr;
    bitmap_.reset();
    dirty_ = true;
}

TChartRect TChartCanvas3D::BeginDrawing(platform::Canvas* target, const TChartRect& rect)
{
    if (!useOffscreenBuffer_) {
        SetTarget(target);
        return rect;
    }
    const int width = rect.Width();
    const int height = rect.Height();
    // The picture is copied onto the target pixel for pixel: it is made at the target's ratio.
    const double ratio = target != nullptr ? target->Mapping().ratio : 1.0;
    if (bitmap_ && (bitmap_->Width() != width || bitmap_->Height() != height || bitmap_->Ratio() != ratio))
        bitmap_.reset();
    if (!bitmap_) {
        // Drawn by the backend of the target it is copied to.
        const platform::CanvasTarget* drawnOn = target != nullptr ? target->Target() : nullptr;
        bitmap_ = std::make_unique<platform::RasterBitmap>(width, height, monochrome_, ratio,
                                                           drawnOn != nullptr ? &drawnOn->Bitmaps() : nullptr);
    }
    SetTarget(&bitmap_->GetCanvas());
    return TChartRect{0, 0, width, height};
}

void TChartCanvas3D::EndDrawing(platform::Canvas* target, platform::Canvas* windowCanvas,
                                const TChartRect& rect)
{
    if (useOffscreenBuffer_ && bitmap_ && target != nullptr) {
        CopyBufferTo(rect.left, rect.top, *target);
        dirty_ = false;
    }
    SetTarget(windowCanvas);
}

bool TChartCanvas3D::RedrawFromBuffer()
{
    // A picture made for another ratio would not fit the target's pixels.
    if (dirty_ || !bitmap_ || target_ == nullptr || bitmap_->Ratio() != target_->Mapping().ratio)
        return false;
    CopyBufferTo(0, 0, *target_);
    return true;
}

void TChartCanvas3D::CopyBufferTo(int x, int y, platform::Canvas& canvas)
{
    if (!bitmap_)
        return;
    // A target of the bitmap's size then takes its pixels without copying
    // them; the next paint, which starts with a fill of the whole bitmap,
    // then draws into new ones (see Canvas::FillRect).
    bitmap_->GetCanvas().SettleDrawing();
    canvas.Draw(x, y, bitmap_->Pixels());
}

void TChartCanvas3D::SetBackgroundColor(TColor color)
{
    Current().SetBackgroundColor(color);
}

void TChartCanvas3D::SetBackgroundMode(TBackgroundMode mode)
{
    Current().SetBackgroundMode(mode);
}

void TChartCanvas3D::SetTextAlignment(int flags)
{
    Current().SetTextAlignment(flags);
}

void TChartCanvas3D::FillRectangle(const TChartRect& rect)
{
    Current().FillRect(rect.left, rect.top, rect.right, rect.bottom);
}

void TChartCanvas3D::MovePenTo(int x, int y)
{
    Current().MoveTo(x, y);
}

void TChartCanvas3D::DrawLineTo(int x, int y)
{
    Current().LineTo(x, y);
}

void TChartCanvas3D::DrawLine(int x0, int y0, int x1, int y1)
{
    Current().MoveTo(x0, y0);
    Current().LineTo(x1, y1);
}

void TChartCanvas3D::DrawHorizontalLine(int x0, int x1, int y)
{
    DrawLine(x0, y, x1, y);
}

void TChartCanvas3D::DrawVerticalLine(int x, int y0, int y1)
{
    DrawLine(x, y0, x, y1);
}

void TChartCanvas3D::DrawLineStrip(std::span<const platform::Point> points)
{
    Current().DrawLineStrip(points);
}

void TChartCanvas3D::DrawLineStrips(std::span<const platform::Point> points, std::span<const std::size_t> ends)
{
    Current().DrawLineStrips(points, ends);
}

void TChartCanvas3D::DrawDeviceLineStrips(std::span<const platform::Point> points, std::span<const std::size_t> ends)
{
    Current().DrawDeviceLineStrips(points, ends);
}

void TChartCanvas3D::DrawRectangle(int x0, int y0, int x1, int y1)
{
    Current().Rectangle(x0, y0, x1, y1);
}

void TChartCanvas3D::DrawRectangle(const TChartRect& rect)
{
    DrawRectangle(rect.left, rect.top, rect.right, rect.bottom);
}

void TChartCanvas3D::DrawPolygon(std::span<const platform::Point> points)
{
    Current().Polygon(points);
}

void TChartCanvas3D::DrawTextAt(int x, int y, const std::string& text)
{
    Current().TextOut(x, y, text);
}

void TChartCanvas3D::DrawRotatedText(int x, int y, int angle, const std::string& text)
{
    Brush().SetStyle(bsClear);
    if (angle > 360)
        angle -= 360;
    Current().TextOutRotated(x, y, angle, text);
}

int TChartCanvas3D::TextWidth(const std::string& text) const
{
    return Current().TextWidth(text);
}

int TChartCanvas3D::TextHeight(const std::string& text) const
{
    return Current().TextHeight(text);
}

int TChartCanvas3D::FontHeight() const
{
    return TextHeight(std::string("W"));
}

void TChartCanvas3D::ClipRectangle(const TChartRect& rect)
{
    Current().IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom);
}

void TChartCanvas3D::RemoveClipping()
{
    Current().RemoveClip();
}

void TChartCanvas3D::SelectFont(TChartFont& font)
{
    font.SetPixelsPerInch(Font().PixelsPerInch());
    Font().Assign(font.Data());
}

void TChartCanvas3D::ApplyVisiblePen(const TChartPen& pen)
{
    platform::CanvasPen& canvasPen = Pen();
    if (!pen.Visible()) {
        canvasPen.SetStyle(psClear);
        return;
    }
    if (pen.SmallDots() && pen.Width() == 1) {
        TPenData dots = canvasPen.Data();
        dots.color = pen.Color();
        dots.width = 1;
        dots.style = psSolid;
        dots.alternateDots = true;
        canvasPen.Assign(dots);
        return;
    }
    canvasPen.Assign(pen.Data());
}

void TChartCanvas3D::ResetCanvasState()
{
    platform::Canvas& canvas = Current();
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetColor(clWhite);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Font().SetColor(clBlack);
    canvas.Font().SetSize(10);
    canvas.SetBackgroundColor(clWhite);
    canvas.SetBackgroundMode(bkTransparent);
}
