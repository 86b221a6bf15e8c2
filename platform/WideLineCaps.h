#pragma once

#include "platform/Point.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace platform {
class PixelBuffer;
}

namespace platform::raster {

// The pixels a backend sets for a straight line of a wide round-capped pen
// along a row or a column, so that the direct writer can set the same pixels
// itself: the body is the line's cross-section (CrossSectionAt) from its
// lower end to the pixel before its upper one, and each round cap is a few
// stretches across the line beyond those pixels. A backend measures them
// once per width (CanvasTarget::CapsOfWideLines).
class WideLineCaps {
public:
    // A stretch across the line, `along` steps from the end it belongs to:
    // negative before the lower end, 0 and more from the upper end's pixel
    // on; first and last across the line, from its centre.
    struct Stretch {
        int along;
        int first;
        int last;

        friend bool operator==(const Stretch&, const Stretch&) = default;
    };

    // Draws a line from one point to the other in black on the white picture.
    using LineDrawer = std::function<void(PixelBuffer& picture, Point from, Point to)>;

    // The caps of a line of this width as drawLine draws it, measured on a
    // line along a row and one down a column; none when its line is not a
    // body with two caps in rows and in columns alike.
    static std::optional<WideLineCaps> Measure(int width, const LineDrawer& drawLine);

    // Lines shorter than this may have caps that meet; they are left to the backend.
    int ShortestLine() const { return shortest_; }
    const std::vector<Stretch>& Lower() const { return lower_; }
    const std::vector<Stretch>& Upper() const { return upper_; }

private:
    WideLineCaps() = default;

    int shortest_ = 0;
    std::vector<Stretch> lower_;
    std::vector<Stretch> upper_;
};

} // namespace platform::raster
