#include "chart/LineCoverage.h"

#include "platform/RasterLine.h"

void TLineCoverage::Reset(int surfaceWidth, int surfaceHeight, int left, int top, int right, int bottom)
{
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
    const platform::raster::PixelBox box{left_, top_, right_, bottom_};
    platform::raster::TraceLine(a, b, box, [&](int x, int y, long long) {
        const auto column = static_cast<std::size_t>(x - left_);
        covered = covered && low_[column] <= y && y <= high_[column];
    });
    return covered;
}

void TLineCoverage::Add(QPoint a, QPoint b)
{
    if (a.x() == b.x()) {
        if (a.y() != b.y())
            AddRun(a.x(), a.y() < b.y() ? a.y() : b.y() + 1, a.y() < b.y() ? b.y() - 1 : a.y());
        return;
    }
    const platform::raster::PixelBox box{left_, top_, right_, bottom_};
    platform::raster::TraceLine(a, b, box, [&](int x, int y, long long) { AddRun(x, y, y); });
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
