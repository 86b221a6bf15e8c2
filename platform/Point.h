#pragma once

#include <concepts>

namespace platform {

// A pixel position of the engine's raster code. A point of any other type
// with x() and y() (a toolkit's) converts to it where one is asked for.
struct Point {
    int x = 0;
    int y = 0;

    constexpr Point() = default;
    constexpr Point(int x, int y) : x(x), y(y) {}
    template <typename Other>
        requires requires(const Other& p) {
            { p.x() } -> std::convertible_to<int>;
            { p.y() } -> std::convertible_to<int>;
        }
    constexpr Point(const Other& p) : x(p.x()), y(p.y())
    {
    }

    friend constexpr bool operator==(Point, Point) = default;
};

} // namespace platform
