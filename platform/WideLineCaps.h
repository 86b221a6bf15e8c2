#pragma once

#include <optional>
#include <vector>

namespace platform::raster {

// The pixels QPainter sets for a straight line of a wide round-capped pen
// (RasterRecipes' LinePen) along a row or a column, so that the direct
// writer can set the same pixels itself: the body is the line's cross-
// section (CrossSectionAt) from its lower end to the pixel before its upper
// one, and each round cap is a few stretches across the line beyond those
// pixels. Measured once per width by drawing a line with QPainter.
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

    // The caps QPainter draws at this width; none when its line is not a
    // body with two caps in rows and in columns alike.
    static std::optional<WideLineCaps> Measure(int width);

    // Lines shorter than this may have caps that meet; they are left to QPainter.
    int ShortestLine() const { return shortest_; }
    const std::vector<Stretch>& Lower() const { return lower_; }
    const std::vector<Stretch>& Upper() const { return upper_; }

private:
    int shortest_ = 0;
    std::vector<Stretch> lower_;
    std::vector<Stretch> upper_;
};

} // namespace platform::raster
