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

bool TLineCoverage::CoversTraced(QPoint a, QPoint b) const
{
    bool covered = true;
    const raster::PixelBox box{left_, top_, right_, bottom_};
    raster::TraceLine(a, b, box, [&](int x, int y, long long) { covered = covered && HoldsRun(x, y, y); });
    return covered;
}

bool TLineCoverage::CoversWide(QPoint a, QPoint b) const
{
    if (a.x() == b.x()) {
        const raster::CrossSpan span = raster::CrossSectionAt(a.x(), width_);
        for (int x = span.first; x <= span.last; ++x)
            if (!CoversVertical(x, a.y(), b.y()))
                return false;
        return true;
    }
    bool covered = true;
    const raster::PixelBox box{left_, top_, right_, bottom_};
    // The centre pixels come inside the box along the major axis; across it
    // their cross-sections reach into the box.
    if (raster::StepsAlongX(a, b)) {
        raster::TraceWideLine(a, b, box, width_, [&](int x, int y, long long) {
            const raster::CrossSpan span = raster::CrossSectionAt(y, width_);
            covered = covered && HoldsRun(x, std::max(span.first, top_), std::min(span.last, bottom_ - 1));
        });
    } else {
        raster::TraceWideLine(a, b, box, width_, [&](int x, int y, long long) {
            const raster::CrossSpan span = raster::CrossSectionAt(x, width_);
            const int last = std::min(span.last, right_ - 1);
            for (int column = std::max(span.first, left_); column <= last; ++column)
                covered = covered && HoldsRun(column, y, y);
        });
    }
    return covered;
}

void TLineCoverage::AddWide(QPoint a, QPoint b)
{
    if (a.x() == b.x()) {
        if (a.y() == b.y())
            return;
        const raster::CrossSpan span = raster::CrossSectionAt(a.x(), width_);
        for (int x = span.first; x <= span.last; ++x)
            AddRun(x, a.y() < b.y() ? a.y() : b.y() + 1, a.y() < b.y() ? b.y() - 1 : a.y());
        return;
    }
    const raster::PixelBox box{left_, top_, right_, bottom_};
    if (raster::StepsAlongX(a, b)) {
        raster::TraceWideLine(a, b, box, width_, [&](int x, int y, long long) {
            const raster::CrossSpan span = raster::CrossSectionAt(y, width_);
            AddRun(x, span.first, span.last);
        });
    } else {
        raster::TraceWideLine(a, b, box, width_, [&](int x, int y, long long) {
            const raster::CrossSpan span = raster::CrossSectionAt(x, width_);
            for (int column = span.first; column <= span.last; ++column)
                AddRun(column, y, y);
        });
    }
}

void TLineCoverage::Add(QPoint a, QPoint b)
{
    if (width_ > 1) {
        AddWide(a, b);
        return;
    }
    if (a.x() == b.x()) {
        if (a.y() != b.y())
            AddRun(a.x(), a.y() < b.y() ? a.y() : b.y() + 1, a.y() < b.y() ? b.y() - 1 : a.y());
        return;
    }
    const raster::PixelBox box{left_, top_, right_, bottom_};
    raster::TraceLine(a, b, box, [&](int x, int y, long long) { AddRun(x, y, y); });
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
