#pragma once

// A rectangle in pixels of the drawing target, given by its four edges. The
// drawing operations leave out the right column and the bottom row, so a
// rectangle covers the columns left .. right - 1 and rows top .. bottom - 1.
struct TChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }

    // Right and bottom edges excluded.
    constexpr bool Contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }

    friend constexpr bool operator==(const TChartRect&, const TChartRect&) = default;
};
