#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window designed for a fixed position opens on a screen that may be
// too small for that position: the designed position where the whole frame
// fits the screen's available area, else the position nearest to it that
// brings the frame inside. Along an axis where the frame is larger than the
// area, the frame starts at the area's start, so that its caption and its
// top-left part stay reachable.
QPoint PlacedPosition(QPoint designed, QSize frame, const QRect& available);
