#pragma once

#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"
#include "tests/support/TestImages.h"

#include <QColor>
#include <QImage>

#include <string>

namespace canvas_testing {

// An RGB32 image of one colour with a canvas bound to it; with a device
// pixel ratio, width x height logical pixels of as many device pixels as
// that ratio gives (row and column then count device pixels).
struct Surface {
    Surface(int width, int height, unsigned color = 0xFFFFFF, double ratio = 1.0)
        : image(platform::DeviceMapping{ratio}.Size(width), platform::DeviceMapping{ratio}.Size(height),
                QImage::Format_RGB32)
    {
        image.fill(QColor::fromRgb(color));
        image.setDevicePixelRatio(ratio);
        platform::qt::BindImage(canvas, &image);
    }

    // One character per pixel of row y, columns x0 .. x1 - 1: '#' where the
    // pixel has the colour, '.' elsewhere.
    std::string row(int y, int x0, int x1, unsigned color = 0x000000) const
    {
        std::string text;
        for (int x = x0; x < x1; ++x)
            text += testing_support::rgbAt(image, x, y) == color ? '#' : '.';
        return text;
    }
    std::string column(int x, int y0, int y1, unsigned color = 0x000000) const
    {
        std::string text;
        for (int y = y0; y < y1; ++y)
            text += testing_support::rgbAt(image, x, y) == color ? '#' : '.';
        return text;
    }

    QImage image;
    platform::Canvas canvas;
};

} // namespace canvas_testing
