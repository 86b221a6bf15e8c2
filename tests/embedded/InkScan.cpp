#include "tests/embedded/InkScan.h"

#include "tests/support/TestImages.h"

namespace ink_scan {

std::optional<QRect> blackBox(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    std::optional<QRect> box;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (testing_support::rgbAt(image, x, y) == kBlack)
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

int blackCount(const QImage& image, const QRect& area)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (testing_support::rgbAt(image, x, y) == kBlack)
                ++count;
    return count;
}

int otherThan(const QImage& image, const QRect& area, unsigned rgb)
{
    const QRect inside = area.intersected(image.rect());
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const unsigned pixel = testing_support::rgbAt(image, x, y);
            if (pixel != kBlack && pixel != rgb)
                ++count;
        }
    return count;
}

} // namespace ink_scan
