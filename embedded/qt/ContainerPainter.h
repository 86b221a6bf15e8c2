#pragma once

#include "embedded/VectorPicture.h"
#include "platform/Colors.h"

#include <QRect>

class QPainter;

// What the equations panel looks like, independent of any window: the
// control's colour erased, a sunken two-pixel edge around the whole control
// with its interior in the face colour, then (when there is one) the picture
// at its natural size for the given pixel density, its top-left corner at the
// interior's top-left corner and clipped to the interior.
struct ContainerLook {
    TColor color = clWhite;
    const VectorPicture* picture = nullptr;
    int pixelsPerInchX = 96;
    int pixelsPerInchY = 96;
};

// Paints the panel into bounds (the control's client rectangle) and returns
// the interior inside the edge.
QRect PaintContainer(QPainter& painter, const QRect& bounds, const ContainerLook& look);
