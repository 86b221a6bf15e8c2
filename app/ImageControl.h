#pragma once

#include "platform/RasterBitmap.h"

#include <QWidget>

#include <memory>

class QImage;

// A control that shows an off-screen bitmap at its top-left corner, unscaled.
// The bitmap is made on the first use of the canvas, white and of the
// control's size at that moment; until then the control draws nothing of its
// own and its parent shows through.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    // The canvas that draws into the bitmap; makes the bitmap on first use.
    // Drawing only changes the bitmap: call Changed to have it shown.
    platform::Canvas& Canvas();
    // Asks for a repaint that shows what the canvas has drawn.
    void Changed() { update(); }

    bool HasBitmap() const { return bitmap_ != nullptr; }
    // The bitmap's pixels, or null before the canvas was first used.
    const QImage* Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<platform::RasterBitmap> bitmap_;
};
