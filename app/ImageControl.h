#pragma once

#include "platform/RasterBitmap.h"
#include "platform/qt/ScreenWatch.h"

#include <QImage>
#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>
#include <memory>

class QImage;

// A control that shows an off-screen bitmap at its top-left corner, unscaled.
// The bitmap is made on the first use of the canvas, white and of the
// control's size at that moment; until then the control draws nothing of its
// own and its parent shows through. From then on, at a whole device pixel
// ratio, the bitmap covers the control and the parent is not painted under it.
//
// The bitmap has the control's device pixel ratio: on a screen scaled to
// 200 % it has twice as many device pixels each way, and its pixels land one
// to one on the screen's. At a fractional ratio the control's right and
// bottom edges may fall inside a device pixel; that device column and row
// show the picture's last column and row, not the parent's face. When the ratio changes (the window moved to a
// screen of another scale, or the screen's scale changed), the bitmap is made
// anew at the new ratio and OnRatioChange draws the picture into it again.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    // The canvas that draws into the bitmap; makes the bitmap on first use.
    // Drawing only changes the bitmap: call Changed to have it shown.
    platform::Canvas& Canvas();
    // Asks for a repaint that shows what the canvas has drawn: all of it,
    // or only the logical pixels of area where the drawing changed the bitmap.
    void Changed();
    void Changed(const QRect& area);

    bool HasBitmap() const { return bitmap_ != nullptr; }
    // The bitmap's pixels, or null before the canvas was first used.
    std::optional<QImage> Picture() const;
    // The bitmap's size in logical pixels; empty before the canvas was first used.
    QSize PictureSize() const;

    // Draws the picture anew into Canvas() after the bitmap was made at a new
    // ratio; it is shown afterwards. Without it the bitmap is kept and shown
    // scaled to the control.
    std::function<void()> OnRatioChange;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Makes the bitmap anew and has it redrawn when the control's ratio is
    // not the bitmap's.
    void FollowRatio();
    // Tells Qt whether the bitmap covers the control, so that the parent
    // need not be painted under it.
    void CoverParent();
    // Asks the parent to repaint the device column and row beyond the
    // control's right and bottom edges.
    void UpdatePartialEdges();
    // Paints, on the parent, the device pixels that the control covers only
    // in part at its right and bottom edges, with the picture's pixels next
    // to them. Qt leaves those pixels to the parent.
    void PaintPartialEdges(QWidget& parent) const;

    std::unique_ptr<platform::RasterBitmap> bitmap_;
    // Follows the screen of the window the control is shown in.
    platform::ScreenWatch screenWatch_;
};
