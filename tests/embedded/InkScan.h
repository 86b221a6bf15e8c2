#pragma once

#include <QImage>
#include <QRect>

#include <optional>

// Finding the black pixels of drawn text in a rendered image.
namespace ink_scan {

inline constexpr unsigned kBlack = 0x000000u;

// The bounding box of the black pixels inside area, if there are any.
std::optional<QRect> blackBox(const QImage& image, const QRect& area);

// Number of black pixels inside area.
int blackCount(const QImage& image, const QRect& area);

// Number of pixels inside area that are neither black nor the given colour.
int otherThan(const QImage& image, const QRect& area, unsigned rgb);

} // namespace ink_scan
