#pragma once

#include "platform/Point.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// Which pixels of a box are known to be set already, kept as one run of rows
// per column, for leaving out lines that would not change the picture.
//
// The lines are the canvas's one-pixel lines (platform/RasterLine.h): a
// vertical line from (x, y0) sets the rows from y0 towards y1, y1 excluded;
// other lines are traced pixel by pixel with the canvas's own rule. Lines
// width pixels wide (a one-pixel pen at a device pixel ratio above 1) set
// the cross-section of each pixel of that centre line across its major axis
// (platform::raster::CrossSectionAt): a vertical one the columns of the
// cross-section, a line along x a piece of the pixel's column, any other a
// piece of its row.
class TLineCoverage {
public:
    // Pixels [left, right) x [top, bottom) of a surface of the given size,
    // for lines of the given width; nothing outside the box is ever drawn,
    // and nothing inside is known yet.
    void Reset(int surfaceWidth, int surfaceHeight, int left, int top, int right, int bottom, int width = 1);

    // Whether every pixel the line from a to b sets inside the box is known
    // to be set (a line that sets nothing there is covered).
    bool Covers(platform::Point a, platform::Point b) const
    {
        if (width_ == 1 && a.x == b.x)
            return CoversVertical(a.x, a.y, b.y);
        return CoversRuns(a, b);
    }
    // Records the pixels the line sets, as far as the runs can hold them.
    void Add(platform::Point a, platform::Point b);
    // Add unless Covers: whether the line was added, tracing it once.
    bool AddUnlessCovered(platform::Point a, platform::Point b);

private:
    bool CoversVertical(int x, int y0, int y1) const
    {
        if (y0 == y1 || x < left_ || x >= right_)
            return true;
        const int top = std::max(y0 < y1 ? y0 : y1 + 1, top_);
        const int bottom = std::min(y0 < y1 ? y1 - 1 : y0, bottom_ - 1);
        const auto column = static_cast<std::size_t>(x - left_);
        return top > bottom || (low_[column] <= top && bottom <= high_[column]);
    }
    bool CoversRuns(platform::Point a, platform::Point b) const;
    // Whether rows y0 .. y1 of column x, cut to the box, are known to be set.
    bool HoldsClipped(int x, int y0, int y1) const
    {
        if (x < left_ || x >= right_)
            return true;
        y0 = std::max(y0, top_);
        y1 = std::min(y1, bottom_ - 1);
        return y0 > y1 || HoldsRun(x, y0, y1);
    }
    // Calls run(x, y0, y1) for pieces of columns (rows y0 .. y1 of column x,
    // not clipped to the box) that together are the pixels the line from a
    // to b sets, at least those inside the box: a steep line's pixels a
    // stretch of rows at a time.
    template <typename Run>
    void ForEachColumnRun(platform::Point a, platform::Point b, Run&& run) const;
    // Rows y0 .. y1 of a column inside the box are set.
    void AddRun(int x, int y0, int y1);
    // Whether rows y0 .. y1 of a column inside the box are all known to be set.
    bool HoldsRun(int x, int y0, int y1) const
    {
        const auto column = static_cast<std::size_t>(x - left_);
        return low_[column] <= y0 && y1 <= high_[column];
    }

    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    int width_ = 1;
    // Per column: rows low .. high (inclusive) are set; none when low > high.
    std::vector<int> low_;
    std::vector<int> high_;
    // The column pieces of the line AddUnlessCovered judges.
    struct ColumnRun {
        int x;
        int y0;
        int y1;
    };
    std::vector<ColumnRun> pending_;
};
