// The one-pixel line rule (TraceLine) against the midpoint reference: near
// and far lines in every octant, with and without a clip box.
#include "platform/RasterLine.h"

#include "tests/platform/MidpointReference.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

namespace {

using midpoint_reference::Line;
using platform::raster::PixelBox;

struct Traced {
    platform::Point pixel;
    long long step;
    bool operator==(const Traced&) const = default;
};

std::vector<Traced> trace(platform::Point a, platform::Point b, const PixelBox& box)
{
    std::vector<Traced> pixels;
    platform::raster::TraceLine(a, b, box, [&](int x, int y, long long step) { pixels.push_back({{x, y}, step}); });
    return pixels;
}

// The pixels TraceLineRuns gives, stretch by stretch, with the steps TraceLine
// would number them by.
std::vector<Traced> traceRuns(platform::Point a, platform::Point b, const PixelBox& box)
{
    const bool alongX = platform::raster::StepsAlongX(a, b);
    const long long major0 = alongX ? a.x : a.y;
    std::vector<Traced> pixels;
    platform::raster::TraceLineRuns(a, b, box, [&](int minor, int first, int last) {
        const int direction = last < first ? -1 : 1;
        for (long long major = first; major != last + direction; major += direction)
            pixels.push_back({alongX ? platform::Point(static_cast<int>(major), minor) : platform::Point(minor, static_cast<int>(major)),
                              (major - major0) * (major0 <= major ? 1 : -1)});
    });
    return pixels;
}

// The reference's pixels of the line that lie in the box, found step by step
// over the box's extent along the major axis.
std::vector<Traced> referenceInBox(const Line& line, const PixelBox& box)
{
    std::vector<Traced> pixels;
    const bool alongX = line.alongX();
    const long long major0 = alongX ? line.a.x : line.a.y;
    const long long direction = (alongX ? line.dx() : line.dy()) < 0 ? -1 : 1;
    const long long low = alongX ? box.left : box.top;
    const long long high = alongX ? box.right : box.bottom;
    for (long long k = 0; k < high - low; ++k) {
        const long long major = direction > 0 ? low + k : high - 1 - k;
        const long long i = (major - major0) * direction;
        if (i < 0 || i >= line.steps())
            continue;
        const platform::Point p = line.pixel(i);
        if (box.Contains(p.x, p.y))
            pixels.push_back({p, i});
    }
    return pixels;
}

const PixelBox everywhere{-100000, -100000, 100000, 100000};

} // namespace

TEST(LineRule, TheIssuesExampleSetsTheNearestColumns)
{
    // 12 rows over 2 columns: the ideal line passes column 10.5 at row 31 and
    // 11.5 at row 37; there the larger column is taken.
    std::vector<int> columns(3);
    for (const Traced& t : trace({10, 28}, {12, 40}, everywhere))
        ++columns.at(t.pixel.x - 10);
    EXPECT_EQ(columns, (std::vector<int>{3, 6, 3}));

    // The first segment of a default run: four of its nine pixels lie right of column 52.
    int beyond52 = 0;
    for (const Traced& t : trace({52, 525}, {53, 516}, everywhere))
        beyond52 += t.pixel.x == 53 ? 1 : 0;
    EXPECT_EQ(beyond52, 4);
}

// Every octant and slope, ties included: each pixel is the reference's and
// lies within half a pixel of the ideal line across it; the steps count from
// the start.
TEST(LineRule, NearLinesInEveryOctantAreTheNearestPixels)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-60, 60);
    for (int n = 0; n < 20000; ++n) {
        const Line line{{coordinate(random), coordinate(random)}, {coordinate(random), coordinate(random)}};
        const std::vector<Traced> pixels = trace(line.a, line.b, everywhere);
        ASSERT_EQ(static_cast<long long>(pixels.size()), line.steps());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            ASSERT_EQ(pixels[i].step, static_cast<long long>(i));
            ASSERT_EQ(pixels[i].pixel, line.pixel(pixels[i].step))
                << line.a.x << "," << line.a.y << " - " << line.b.x << "," << line.b.y << " step " << i;
            ASSERT_LE(line.twiceDistanceTimesSteps(pixels[i].pixel), line.steps());
        }
    }
}

// Clipped lines, their ends anywhere up to the limits of int: exactly the
// reference's pixels inside the box, with their steps along the whole line.
TEST(LineRule, ClippedLinesKeepTheirPixelsAndStepsToTheLimitsOfInt)
{
    std::mt19937 random(3);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto point = [&]() -> platform::Point {
        switch (pick(0, 3)) {
        case 0:
            return {pick(-20, 120), pick(-20, 100)};
        case 1:
            return {pick(-5000, 5000), pick(-5000, 5000)};
        case 2:
            return {pick(-3000000, 3000000), pick(-3000000, 3000000)};
        default:
            return {pick(INT_MIN, INT_MAX), pick(INT_MIN, INT_MAX)};
        }
    };
    int crossing = 0;
    for (int n = 0; n < 20000; ++n) {
        const int left = pick(-10, 90);
        const int top = pick(-10, 70);
        const PixelBox box{left, top, left + pick(1, 40), top + pick(1, 40)};
        // Half of the lines start in the box: they surely cross its edge.
        const platform::Point start = pick(0, 1) == 0 ? platform::Point(pick(box.left, box.right - 1), pick(box.top, box.bottom - 1)) : point();
        const Line line = pick(0, 1) == 0 ? Line{start, point()} : Line{point(), start};
        const std::vector<Traced> expected = referenceInBox(line, box);
        crossing += expected.empty() ? 0 : 1;
        ASSERT_EQ(trace(line.a, line.b, box), expected)
            << line.a.x << "," << line.a.y << " - " << line.b.x << "," << line.b.y << " in " << box.left
            << "," << box.top << " " << box.right << "," << box.bottom;
        ASSERT_EQ(traceRuns(line.a, line.b, box), expected)
            << "in stretches: " << line.a.x << "," << line.a.y << " - " << line.b.x << "," << line.b.y;
    }
    EXPECT_GT(crossing, 8000) << "enough lines reach their boxes";
}

TEST(LineRule, DashPhaseStartsWithADashAtStepZeroAndRepeats)
{
    const int pattern[] = {9, 6, 3, 6};
    for (const long long start : {0LL, 1LL, 8LL, 9LL, 23LL, 24LL, 4000000001LL}) {
        platform::raster::DashPhase phase(pattern, start);
        for (long long step = start; step < start + 60; ++step) {
            ASSERT_EQ(phase.On(), midpoint_reference::inDash(pattern, step)) << start << " " << step;
            phase.Advance();
        }
    }
    platform::raster::DashPhase solid({}, 12);
    EXPECT_TRUE(solid.On());
}
