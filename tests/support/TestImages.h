#pragma once

#include <QImage>
#include <QString>

namespace testing_support {

// Saves an image as <build folder>/screenshots/<name>.png and returns the path.
QString saveScreenshot(const QImage& image, const QString& name);

// The RGB value of a pixel without its alpha byte.
unsigned rgbAt(const QImage& image, int x, int y);

// Number of pixels in the rectangle [x0, x1) x [y0, y1) whose RGB differs from background.
int countPixelsNot(const QImage& image, unsigned backgroundRgb, int x0, int y0, int x1, int y1);

} // namespace testing_support
