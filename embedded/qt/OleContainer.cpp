#include "embedded/qt/OleContainer.h"

#include "embedded/ContainerPainter.h"
#include "embedded/PictureRenderer.h"
#include "platform/qt/QtPixels.h"

#include <QPainter>

#include <utility>

TOleContainer::TOleContainer(QWidget* parent)
    : QWidget(parent)
{
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    // paintEvent covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TOleContainer::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TOleContainer::SetPicture(VectorPicture picture)
{
    picture_ = std::move(picture);
    update();
}

void TOleContainer::ClearPicture()
{
    if (!picture_)
        return;
    picture_.reset();
    update();
}

void TOleContainer::paintEvent(QPaintEvent* /*event*/)
{
    // The panel at the widget's device resolution, shown one to one.
    const double ratio = devicePixelRatioF();
    const platform::PixelBox bounds{0, 0, width(), height()};
    const platform::PixelBox device = DeviceBox(bounds, ratio);
    platform::PixelBuffer pixels(device.right, device.bottom, ratio);
    const ContainerLook look{color_, picture_ ? &*picture_ : nullptr, logicalDpiX(), logicalDpiY()};
    PaintContainer(pixels, bounds, look, text_);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), platform::qt::WrapPixels(pixels));
}
