#pragma once

#include "platform/Colors.h"
#include "platform/SystemPalette.h"

#include <QColor>

class QPalette;

// The engine's colours as Qt's, and the desktop's palette handed to the engine.
QColor ToQColor(TColor color);

// The TColor of an opaque Qt colour.
TColor FromQColor(const QColor& color);

namespace platform::qt {

// The system colours of a Qt palette (its active group).
SystemPalette SystemPaletteOf(const QPalette& palette);

// Hands the application's palette to the engine now and again whenever it
// changes; without an application, Qt's default palette. Call it once the
// application exists; calling it again does no harm.
void FollowApplicationPalette();

} // namespace platform::qt
