#include "chart/LineCoverage.h"

#include "platform/RasterLine.h"

namespace raster = platform::raster;

void TLineCoverage::Reset(int surfaceWidth, int surfaceHeight, int left, int top, int right, int bottom, int width)
{
    width_ = std::max(width, 1);
    left_ = std::max(left, 0);
    top_ = std::max(top, 0);
    right_ = std::max(left_, std::min(right, surfaceWidth));
    bottom_ = std::max(top_, std::min(bottom, surfaceHeight));
    const auto columns = static_cast<std::size_t>(right_ - left_);
    low_.assign(columns, 1);
    high_.assign(columns, 0);
}

template <typename Run>
void TLineCoverage::ForEachColumnRun(platform::Point a, platform::Point b, Run&& run) const
{
    if (a.x == b.x) {
        if (a.y == b.y)
            return;
        const int top = a.y < b.y ? a.y : b.y + 1;
        const int bottom = a.y < b.y ? b.y - 1 : a.y;
        const raster::CrossSpan span = raster::CrossSectionAt(a.x, width_);
        for (int x = span.first; x <= span.last; ++x)
            run(x, top, bottom);
        return;
    }
    const raster::PixelBox box{left_, top_, right_, bottom_};
    if (raster::StepsAlongX(a, b)) {
        // One centre pixel per column, its cross-section a piece of that column.
        raster::TraceWideLine(a, b, box, width_, [&](int x, int y, long long) {
            const raster::CrossSpan span = raster::CrossSectionAt(y, width_);
            run(x, span.first, span.last);
        });
        return;
    }
    // The centre pixels of a steep line come in stretches down (or up) one
    // column; each stretch's cross-section is the same rows in the columns
    // beside it.
    raster::TraceLineRuns(a, b, raster::WideLineCentres(a, b, box, width_), [&](int centre, int first, int last) {
        const raster::CrossSpan span = raster::CrossSectionAt(centre, width_);
        for (int x = span.first; x <= span.last; ++x)
            run(x, std::min(first, last), std::max(first, last));
    });
}

bool TLineCoverage::CoversRuns(platform::Point a, platform::Point b) const
{
    bool covered = true;
    ForEachColumnRun(a, b, [&](int x, int y0, int y1) { covered = covered && HoldsClipped(x, y0, y1); });
    return covered;
}

void TLineCoverage::Add(platform::Point a, platform::Point b)
{
    ForEachColumnRun(a, b, [this](int x, int y0, int y1) { AddRun(x, y0, y1); });
}

bool TLineCoverage::AddUnlessCovered(platform::Point a, platform::Point b)
{
    if (width_ == 1 && a.x == b.x) {
        if (CoversVertical(a.x, a.y, b.y))
            return false;
        Add(a, b);
        return true;
    }
    // The pieces are kept while they are judged, and added once one of
    // them is found not to be set yet.
    pending_.clear();
    bool covered = true;
    ForEachColumnRun(a, b, [&](int x, int y0, int y1) {
        pending_.push_back({x, y0, y1});
        covered = covered && HoldsClipped(x, y0, y1);
    });
    if (covered)
        return false;
    for (const ColumnRun& run : pending_)
        AddRun(run.x, run.y0, run.y1);
    return true;
}

void TLineCoverage::AddRun(int x, int y0, int y1)
{
    if (x < left_ || x >= right_)
        return;
    y0 = std::max(y0, top_);
    y1 = std::min(y1, bottom_ - 1);
    if (y0 > y1)
        return;
    const auto column = static_cast<std::size_t>(x - left_);
    int& low = low_[column];
    int& high = high_[column];
    if (low > high) {
        low = y0;
        high = y1;
    } else if (y0 <= high + 1 && y1 >= low - 1) {
        // Overlapping or touching: the union is one run.
        low = std::min(low, y0);
        high = std::max(high, y1);
    } else if (y1 - y0 > high - low) {
        // Apart: keep the longer run.
        low = y0;
        high = y1;
    }
}
