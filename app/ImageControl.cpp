#include "app/ImageControl.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

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
    if (!bitmap_)
        bitmap_ = std::make_unique<platform::RasterBitmap>(width(), height(), false, devicePixelRatioF());
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
    OnRatioChange();
}

void TImage::paintEvent(QPaintEvent* event)
{
    // A change of the screen's scale shows first as a paint at the new ratio.
    FollowRatio();
    if (!bitmap_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), bitmap_->Image());
}

void TImage::showEvent(QShowEvent* event)
{
    screenWatch_.Follow(window()->windowHandle());
    QWidget::showEvent(event);
}
