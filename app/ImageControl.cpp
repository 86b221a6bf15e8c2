#include "app/ImageControl.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include <cmath>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
    , screenWatch_([this] {
        FollowRatio();
        update();
    })
{
}

platform::Canvas& TImage::Canvas()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<platform::RasterBitmap>(width(), height(), false, devicePixelRatioF());
        CoverParent();
    }
    return bitmap_->GetCanvas();
}

const QImage* TImage::Picture() const
{
    return bitmap_ ? &bitmap_->Image() : nullptr;
}

QSize TImage::PictureSize() const
{
    return bitmap_ ? QSize(bitmap_->Width(), bitmap_->Height()) : QSize();
}

void TImage::FollowRatio()
{
    const double ratio = devicePixelRatioF();
    if (!bitmap_ || !OnRatioChange || bitmap_->Ratio() == ratio)
        return;
    // The logical size stays the one the bitmap was made for.
    bitmap_ = std::make_unique<platform::RasterBitmap>(bitmap_->Width(), bitmap_->Height(), false, ratio);
    CoverParent();
    OnRatioChange();
}

void TImage::CoverParent()
{
    // At a whole ratio the bitmap covers every device pixel of the control,
    // and the parent need not paint under it. At a fractional one the
    // control's device edges are rounded (differently when the window is
    // painted on the screen and when it is grabbed), and the parent fills
    // what the bitmap may leave.
    const double ratio = bitmap_->Ratio();
    setAttribute(Qt::WA_OpaquePaintEvent, ratio == std::floor(ratio) && bitmap_->Width() >= width()
                                              && bitmap_->Height() >= height());
}

void TImage::paintEvent(QPaintEvent* event)
{
    // A change of the screen's scale shows first as a paint at the new ratio.
    FollowRatio();
    if (!bitmap_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QImage& picture = bitmap_->Image();
    const double ratio = picture.devicePixelRatio();
    if (ratio == 1.0) {
        painter.drawImage(QPoint(0, 0), picture);
        return;
    }
    // In device pixels, where the bitmap is one block copy.
    painter.setTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    painter.drawImage(QPoint(0, 0), QImage(picture.constBits(), picture.width(), picture.height(),
                                           picture.bytesPerLine(), picture.format()));
}

void TImage::showEvent(QShowEvent* event)
{
    screenWatch_.Follow(window()->windowHandle());
    QWidget::showEvent(event);
}
