#pragma once

#include "platform/CanvasTarget.h"
#include "platform/qt/QtTextBackend.h"

#include <QImage>
#include <QPainter>

#include <memory>
#include <optional>

namespace platform {
class Canvas;
}

namespace platform::qt {

// The desktop's drawing target: a QImage (Format_RGB32 for the engine's own
// writes; other formats QPainter can paint on work through QPainter), a
// QPainter someone else began (a widget's paint event), or an engine pixel
// buffer seen as a QImage. What the canvas does not write itself QPainter
// draws, with the settings of QtRecipes.h, which keep the pixels of the
// classic raster rules.
//
// The target keeps its QPainter on an image or buffer active between
// operations and ends it before the pixels would be written from two
// places; a copy of a bound image taken at any time keeps the pixels it had.
class QtCanvasTarget final : public CanvasTarget {
public:
    // An image, which must outlive the target.
    explicit QtCanvasTarget(QImage* image);
    // A painter, which must stay active while the target lives; the target
    // sets its pen, brush, clip and modes as it needs them.
    explicit QtCanvasTarget(QPainter* painter);
    // An engine buffer, which must outlive the target.
    explicit QtCanvasTarget(PixelBuffer* pixels);
    ~QtCanvasTarget() override;
    QtCanvasTarget(const QtCanvasTarget&) = delete;
    QtCanvasTarget& operator=(const QtCanvasTarget&) = delete;

    double Ratio() const override;
    PixelBox Surface() const override;
    const BitmapTargets& Bitmaps() const override;
    void SetClip(const std::optional<PixelBox>& deviceClip) override;
    bool HasPixels() const override;
    PixelBuffer* Pixels() override;
    void TakeFreshPixels() override;
    void Settle() override;
    std::optional<raster::WideLineCaps> CapsOfWideLines(int deviceWidth) override;
    bool UsesEngineShapes(const ShapeCase& shape) const override;
    void FillBoxes(std::span<const PixelBox> boxes, const raster::Paint& paint) override;
    void FillRectangle(const PixelBox& box, const raster::Paint& brush) override;
    void FillEllipse(const raster::RealBox& box, const raster::Paint& brush) override;
    void FillPolygon(std::span<const Point> corners, const raster::Paint& brush) override;
    void OutlineRectangle(const PixelBox& box, const StrokePen& pen) override;
    void OutlineEllipse(const raster::RealBox& box, const StrokePen& pen) override;
    void Arc(const raster::RealBox& box, int start16, int span16, const StrokePen& pen) override;
    void WideLine(Point from, Point to, const StrokePen& pen) override;
    void DrawText(const TextCell& cell) override;
    void CopyPixels(int x, int y, const PixelBuffer& pixels) override;

private:
    struct PainterState;

    bool IsIdentity() const { return ratio_ == 1.0; }
    // The device pixel ratio of what the target draws on, as it is now.
    double RatioOfSurface() const;
    // The image drawn on (the buffer's view for a buffer); null for a painter.
    QImage* Image() const { return image_; }
    // Before a buffer's pixels are written: when a copy shares them, the
    // buffer takes a copy of its own (an image's pixels QImage copies itself).
    void OwnPixels();
    // Points the view at the buffer's pixels after they changed.
    void ViewBuffer();
    // The QPainter to draw with, begun on the image when needed, in device
    // pixels and with the clip; null when there is nothing to draw on.
    QPainter* Painter();
    void EndOwnPainter();
    void ForgetPainterState();
    // Sets the painter to work in device pixels (true) or in the target's
    // logical coordinates (false), which text is drawn in.
    void ApplyDeviceTransform(QPainter& p, bool device);
    void ApplyClip(QPainter& p);
    void ApplyPen(QPainter& p, const QPen& pen);
    void ApplyBrush(QPainter& p, const QBrush& brush);
    void ApplyComposition(QPainter& p, QPainter::CompositionMode mode);
    void ApplyBackground(QPainter& p, std::optional<std::uint32_t> opaque);
    void ApplyFont(QPainter& p, const TextFont& font);
    // Sets the painter up to fill with the brush paint, no pen.
    QPainter* FillPainter(const raster::Paint& brush);
    // Sets the painter up to outline shapes with the pen, no fill.
    QPainter* OutlinePainter(const StrokePen& pen);
    // The ellipse inscribed in the box with the painter as it is set up (none: nothing).
    void DrawEllipse(QPainter* p, const raster::RealBox& box) const;
    // Draws the text cell at (x, y) in the painter's current coordinates,
    // with its background box if it has one and background is true.
    void TextRun(QPainter& p, const TextCell& cell, int x, int y, bool background, bool upright);

    QImage* image_ = nullptr;
    QPainter* external_ = nullptr;
    PixelBuffer* buffer_ = nullptr;
    // The buffer's pixels as an image (it keeps none of them alive).
    QImage view_;
    // The pixels CopyPixels shared with the image last (read-only: the
    // image copies them before it is written); the image holds them while
    // its bits are these.
    const uchar* sharedBits_ = nullptr;
    // A view of the image's pixels for the engine's writes.
    PixelBuffer borrowed_;
    QPainter ownPainter_;
    std::unique_ptr<PainterState> applied_;
    std::optional<QRect> clip_;
    // The ratio when bound: it stays while the target lives.
    double ratio_ = 1.0;
    QtTextBackend text_;
};

// The desktop's targets for off-screen bitmaps.
const BitmapTargets& QtBitmaps();

// Binds the canvas to a QtCanvasTarget on the image or painter.
void BindImage(Canvas& canvas, QImage* image);
void BindPainter(Canvas& canvas, QPainter* painter);

} // namespace platform::qt
