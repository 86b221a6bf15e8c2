#include "app/ImageControl.h"

#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"

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
    if (parent != nullptr)
        parent->installEventFilter(this);
}

void TImage::Changed()
{
    update();
    UpdatePartialEdges();
}

void TImage::Changed(const QRect& area)
{
    update(area);
    if (area.right() >= width() - 1 || area.bottom() >= height() - 1)
        UpdatePartialEdges();
}

platform::Canvas& TImage::Canvas()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<platform::RasterBitmap>(width(), height(), false, devicePixelRatioF(),
                                                           &platform::qt::QtBitmaps());
        CoverParent();
    }
    return bitmap_->GetCanvas();
}

std::optional<QImage> TImage::Picture() const
{
    if (!bitmap_)
        return std::nullopt;
    return platform::qt::WrapPixels(bitmap_->Pixels());
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
    bitmap_ = std::make_unique<platform::RasterBitmap>(bitmap_->Width(), bitmap_->Height(), false, ratio,
                                                       &platform::qt::QtBitmaps());
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
    UpdatePartialEdges();
}

void TImage::UpdatePartialEdges()
{
    QWidget* parent = parentWidget();
    if (parent == nullptr || !bitmap_ || bitmap_->Ratio() == std::floor(bitmap_->Ratio()))
        return;
    const QRect box = geometry();
    parent->update(QRect(box.left(), box.bottom(), box.width() + 1, 2));
    parent->update(QRect(box.right(), box.top(), 2, box.height() + 1));
}

bool TImage::eventFilter(QObject* watched, QEvent* event)
{
    // The parent's own painting (a frame's bevel) and this control's come after.
    if (watched == parentWidget() && event->type() == QEvent::Paint && bitmap_)
        PaintPartialEdges(*parentWidget());
    return QWidget::eventFilter(watched, event);
}

void TImage::PaintPartialEdges(QWidget& parent) const
{
    const QImage picture = platform::qt::WrapPixels(bitmap_->Pixels());
    const double ratio = picture.devicePixelRatio();
    if (ratio == std::floor(ratio) || picture.isNull())
        return;
    // Device pixels are the window's logical pixels times the ratio, counted
    // from the window's corner; the parent's painter takes logical positions.
    const QPointF parentCorner = parent.mapTo(window(), QPoint(0, 0));
    const QPoint corner = mapTo(window(), QPoint(0, 0));
    const auto toParent = [&](int deviceX, int deviceY, int deviceWidth, int deviceHeight) {
        return QRectF(deviceX / ratio - parentCorner.x(), deviceY / ratio - parentCorner.y(),
                      deviceWidth / ratio, deviceHeight / ratio);
    };
    // Where the bitmap lies: Qt rounds the control's device corner.
    const int left = static_cast<int>(std::lround(corner.x() * ratio));
    const int top = static_cast<int>(std::lround(corner.y() * ratio));
    const double right = (corner.x() + width()) * ratio;
    const double bottom = (corner.y() + height()) * ratio;
    const int partialColumn = static_cast<int>(std::floor(right));
    const int partialRow = static_cast<int>(std::floor(bottom));
    const bool columnPartial = right != partialColumn && partialColumn >= left + picture.width();
    const bool rowPartial = bottom != partialRow && partialRow >= top + picture.height();
    const int columns = picture.width() + (columnPartial ? 1 : 0);
    QPainter painter(&parent);
    if (rowPartial) {
        QImage row = picture.copy(0, picture.height() - 1, picture.width(), 1);
        row.setDevicePixelRatio(1.0);
        if (columnPartial) {
            // The corner pixel repeats the row's last one.
            row = row.copy(0, 0, columns, 1);
            row.setPixel(columns - 1, 0, row.pixel(columns - 2, 0));
        }
        painter.drawImage(toParent(left, partialRow, columns, 1), row);
    }
    if (columnPartial) {
        QImage column = picture.copy(picture.width() - 1, 0, 1, picture.height());
        column.setDevicePixelRatio(1.0);
        painter.drawImage(toParent(partialColumn, top, 1, picture.height()), column);
    }
}

void TImage::paintEvent(QPaintEvent* event)
{
    // A change of the screen's scale shows first as a paint at the new ratio.
    FollowRatio();
    if (!bitmap_)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QImage picture = platform::qt::WrapPixels(bitmap_->Pixels());
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
