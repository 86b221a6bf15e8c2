#include "tests/support/TestImages.h"

#include <QDir>

namespace testing_support {

QString saveScreenshot(const QImage& image, const QString& name)
{
    const QString folder = QStringLiteral(KYVADLO_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    image.save(path, "PNG");
    return path;
}

unsigned rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

int countPixelsNot(const QImage& image, unsigned backgroundRgb, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (rgbAt(image, x, y) != backgroundRgb)
                ++count;
    return count;
}

} // namespace testing_support
