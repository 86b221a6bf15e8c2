#pragma once

#include <QPoint>

#include <algorithm>
#include <cstddef>
#include <vector>

// Which pixels of a box are known to be set already, kept as one run of rows
// per column, for leaving out lines that would not change the picture.
//
// The lines are the canvas's one-pixel lines (platform/RasterLine.h): a
// vertical line from (x, y0) sets the rows from y0 towards y1, y1 excluded;
// other lines are traced pixel by pixel with the canvas's own rule.
class TLineCoverage {
public:
    // Pixels [left, right) x [top, bottom) of a surface of the given size;
    // nothing outside the box is ever drawn, and nothing inside is known yet.
    void Reset(int surfaceWidth, int surfaceHeight, int left, int top, int right, int bottom);

    // Whether every pixel the line from a to b sets inside the box is known
    // to be set (a line that sets nothing there is covered).
    bool Covers(QPoint a, QPoint b) const
    {
        return a.x() == b.x() ? CoversVertical(a.x(), a.y(), b.y()) : CoversTraced(a, b);
    }
    // Records the pixels the line sets, as far as the runs can hold them.
    void Add(QPoint a, QPoint b);

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
    bool CoversTraced(QPoint a, QPoint b) const;
    // Rows y0 .. y1 of a column inside the box are set.
    void AddRun(int x, int y0, int y1);

    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
    // Per column: rows low .. high (inclusive) are set; none when low > high.
    std::vector<int> low_;
    std::vector<int> high_;
};
