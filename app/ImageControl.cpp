#include "app/ImageControl.h"

#include <QPaintEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

platform::Canvas& TImage::Canvas()
{
    if (!bitmap_)
        bitmap_ = std::make_unique<platform::RasterBitmap>(width(), height(), false);
    return bitmap_->GetCanvas();
}

const QImage* TImage::Picture() const
{
    return bitmap_ ? &bitmap_->Image() : nullptr;
}

void TImage::paintEvent(QPaintEvent* event)
{
    if (!bitmap_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), bitmap_->Image());
}
