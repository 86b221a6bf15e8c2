#pragma once

#include "figure/PendulumFigure.h"
#include "platform/RasterBitmap.h"
#include "platform/qt/QtCanvasTarget.h"
#include "platform/qt/QtPixels.h"
#include "tests/support/TestImages.h"

#include <QImage>

namespace app_testing {

// The image control's size in logical pixels.
inline constexpr int ImageWidth = 377;
inline constexpr int ImageHeight = 673;

// One frame with the window's pivot (200, 100) on a fresh white bitmap of
// the image control's size at the device pixel ratio.
inline QImage FigureFrame(int length, double fi, double ratio = 1.0)
{
    platform::RasterBitmap bitmap(ImageWidth, ImageHeight, false, ratio, &platform::qt::QtBitmaps());
    figure::DrawPendulum(bitmap.GetCanvas(), 200, 100, length, fi);
    return platform::qt::WrapPixels(bitmap.Pixels()).copy();
}

// How many pixels two pictures of the same size differ in; -1 when their
// sizes differ.
inline int DifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differing += testing_support::rgbAt(a, x, y) != testing_support::rgbAt(b, x, y) ? 1 : 0;
    return differing;
}

} // namespace app_testing
