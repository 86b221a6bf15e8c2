#pragma once

#include "platform/Point.h"

#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

// A reference for the one-pixel line rule, written from its definition and
// not from the canvas's code: a line from a to b steps along its major axis
// from a, b left out; on each step the pixel across it is moved towards the
// ideal line for as long as the midpoint between it and its neighbour lies
// on the line's side, a line through the midpoint itself counting as beyond
// it towards the larger coordinate. Exact for any int coordinates.
namespace midpoint_reference {

__extension__ typedef __int128 Wide;

struct Line {
    platform::Point a;
    platform::Point b;

    long long dx() const { return static_cast<long long>(b.x) - a.x; }
    long long dy() const { return static_cast<long long>(b.y) - a.y; }
    bool alongX() const { return std::llabs(dx()) >= std::llabs(dy()); }
    long long steps() const { return std::max(std::llabs(dx()), std::llabs(dy())); }

    // The pixel of step i (0 <= i < steps()).
    platform::Point pixel(long long i) const
    {
        const long long majorDelta = alongX() ? dx() : dy();
        const long long minorDelta = alongX() ? dy() : dx();
        const long long major0 = alongX() ? a.x : a.y;
        const long long minor0 = alongX() ? a.y : a.x;
        const long long major = major0 + (majorDelta < 0 ? -i : i);
        // The ideal line lies at minor0 + i * minorDelta / steps across the
        // step; compare twice the distances to avoid halves.
        const Wide m = steps();
        const Wide ideal = 2 * static_cast<Wide>(i) * minorDelta; // 2 (ideal - minor0) m
        long long c = minor0 + std::llround(static_cast<long double>(i) * minorDelta / static_cast<long double>(m));
        const auto twiceAbove = [&](long long pixel, int side) { return (2 * static_cast<Wide>(pixel - minor0) + side) * m; };
        while (twiceAbove(c, 1) <= ideal) // the midpoint above c is reached
            ++c;
        while (twiceAbove(c, -1) > ideal) // the midpoint below c is not reached
            --c;
        return alongX() ? platform::Point(static_cast<int>(major), static_cast<int>(c))
                        : platform::Point(static_cast<int>(c), static_cast<int>(major));
    }

    // Twice the distance of pixel p from the ideal line across the major
    // axis, in units of 1 / steps(): at most steps() for the nearest pixel.
    Wide twiceDistanceTimesSteps(platform::Point p) const
    {
        const long long major = alongX() ? p.x - static_cast<long long>(a.x) : p.y - static_cast<long long>(a.y);
        const long long minor = alongX() ? p.y - static_cast<long long>(a.y) : p.x - static_cast<long long>(a.x);
        const long long i = std::llabs(major);
        const long long minorDelta = alongX() ? dy() : dx();
        const Wide d = 2 * (static_cast<Wide>(minor) * steps() - static_cast<Wide>(i) * minorDelta);
        return d < 0 ? -d : d;
    }

    // All pixels, in order from a.
    std::vector<platform::Point> pixels() const
    {
        std::vector<platform::Point> all;
        for (long long i = 0; i < steps(); ++i)
            all.push_back(pixel(i));
        return all;
    }
};

// Whether step i of a dash pattern (dash, gap, dash, ...) from the start falls in a dash.
inline bool inDash(std::span<const int> pattern, long long i)
{
    if (pattern.empty())
        return true;
    long long period = 0;
    for (const int length : pattern)
        period += length;
    long long into = i % period;
    for (std::size_t k = 0;; ++k) {
        if (into < pattern[k])
            return k % 2 == 0;
        into -= pattern[k];
    }
}

} // namespace midpoint_reference
