#include "embedded/qt/OleContainer.h"

#include "embedded/qt/ContainerPainter.h"

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
    QPainter painter(this);
    const ContainerLook look{color_, picture_ ? &*picture_ : nullptr, logicalDpiX(), logicalDpiY()};
    PaintContainer(painter, rect(), look);
}
