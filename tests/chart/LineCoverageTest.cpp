#include "chart/LineCoverage.h"
#include "platform/RasterDirect.h"
#include "platform/qt/QtPixels.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

TEST(LineCoverage, VerticalLinesAddExactlyTheRowsTheySet)
{
    TLineCoverage coverage;
    coverage.Reset(200, 150, 10, 10, 100, 100);
    EXPECT_FALSE(coverage.Covers({20, 30}, {20, 40}));
    coverage.Add({20, 30}, {20, 40}); // rows 30 .. 39
    EXPECT_TRUE(coverage.Covers({20, 30}, {20, 40}));
    EXPECT_TRUE(coverage.Covers({20, 39}, {20, 29}));
    // The end row of the line was not set.
    EXPECT_FALSE(coverage.Covers({20, 35}, {20, 41}));
    EXPECT_FALSE(coverage.Covers({20, 40}, {20, 35}));
    // Row 40, then upwards from 50: rows 41 .. 50 (the start set, the end
    // not); the runs join.
    coverage.Add({20, 40}, {20, 41});
    coverage.Add({20, 50}, {20, 40});
    EXPECT_TRUE(coverage.Covers({20, 30}, {20, 51}));
    EXPECT_FALSE(coverage.Covers({21, 30}, {21, 31}));
    // A run apart from the kept one replaces it only when it is longer.
    coverage.Add({20, 70}, {20, 75});
    EXPECT_TRUE(coverage.Covers({20, 30}, {20, 51}));
    coverage.Add({20, 60}, {20, 90});
    EXPECT_TRUE(coverage.Covers({20, 60}, {20, 89}));
    EXPECT_FALSE(coverage.Covers({20, 45}, {20, 46}));
}

TEST(LineCoverage, SlantedLinesAreTracedAndNothingOutsideTheBoxCounts)
{
    TLineCoverage coverage;
    coverage.Reset(200, 150, 10, 10, 100, 100);
    for (int x = 30; x <= 32; ++x)
        coverage.Add({x, 20}, {x, 61}); // rows 20 .. 60
    EXPECT_TRUE(coverage.Covers({30, 20}, {32, 60}));
    EXPECT_FALSE(coverage.Covers({30, 20}, {36, 60}));
    // A slanted line adds the pixels it sets, traced; backwards it sets its
    // start point instead of its end point.
    coverage.Add({40, 20}, {43, 60});
    EXPECT_TRUE(coverage.Covers({40, 20}, {43, 60}));
    EXPECT_FALSE(coverage.Covers({40, 20}, {43, 70}));
    EXPECT_FALSE(coverage.Covers({43, 60}, {40, 20}));
    coverage.Add({43, 60}, {43, 61});
    EXPECT_TRUE(coverage.Covers({43, 60}, {40, 20}));

    // What lies outside the box is never drawn; a line that sets nothing is covered.
    EXPECT_TRUE(coverage.Covers({5, 20}, {5, 90}));
    EXPECT_TRUE(coverage.Covers({30, 9}, {32, 9}));
    EXPECT_TRUE(coverage.Covers({50, 50}, {50, 50}));
    EXPECT_TRUE(coverage.Covers({31, -5000}, {31, 9}));
    EXPECT_FALSE(coverage.Covers({31, -5000}, {31, 15}));
    EXPECT_FALSE(coverage.Covers({31, 30}, {31, 5000}));
    EXPECT_TRUE(coverage.Covers({31, 25}, {32, 55}));
    EXPECT_FALSE(coverage.Covers({32, 25}, {36, 55}));
}

// Lines several pixels wide (one-pixel pens at a device pixel ratio): a
// line called covered changes no pixel of what the writer drew before, and
// lines drawn again are mostly called covered.
TEST(LineCoverage, WideLinesAreCoveredOnlyWhenTheWriterSetTheirPixelsAlready)
{
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coordinate(-20, 130);
    const platform::raster::PixelBox box{10, 10, 100, 90};
    for (const int width : {2, 3, 4}) {
        TLineCoverage coverage;
        coverage.Reset(120, 100, box.left, box.top, box.right, box.bottom, width);
        QImage drawn(120, 100, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        std::vector<std::pair<QPoint, QPoint>> lines;
        int covered = 0;
        for (int i = 0; i < 600; ++i) {
            const QPoint a(coordinate(random), coordinate(random));
            const QPoint b(i % 4 == 0 ? a.x() : coordinate(random), coordinate(random));
            const std::size_t earlier = static_cast<std::size_t>(i) * 7 % std::max<std::size_t>(lines.size(), 1);
            const auto [from, to] = i % 3 == 2 ? lines[earlier] : std::pair{a, b};
            QImage candidate = drawn.copy();
            platform::PixelBuffer pixels = platform::qt::BorrowPixels(candidate);
            platform::raster::DirectLineWriter(pixels, box, 0, width).Line(from, to);
            if (coverage.Covers(from, to)) {
                ++covered;
                ASSERT_EQ(candidate, drawn) << "width " << width << ", line " << i;
            }
            coverage.Add(from, to);
            drawn = candidate;
            lines.emplace_back(from, to);
        }
        EXPECT_GT(covered, 100) << "width " << width;
    }
}

// Judging and adding a line in one trace is judging it and, when it is not
// covered, adding it: the same answers and the same knowledge afterwards.
TEST(LineCoverage, AddingUnlessCoveredIsCoversThenAdd)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-20, 130);
    for (const int width : {1, 2, 3}) {
        TLineCoverage separate;
        TLineCoverage together;
        for (TLineCoverage* coverage : {&separate, &together})
            coverage->Reset(120, 100, 10, 10, 100, 90, width);
        std::vector<std::pair<QPoint, QPoint>> lines;
        for (int i = 0; i < 800; ++i) {
            const QPoint a(coordinate(random), coordinate(random));
            const QPoint b(i % 4 == 0 ? a.x() : coordinate(random), i % 5 == 0 ? a.y() : coordinate(random));
            const auto [from, to] = i % 3 == 2 ? lines[static_cast<std::size_t>(i) * 7 % lines.size()] : std::pair{a, b};
            const bool covered = separate.Covers(from, to);
            if (!covered)
                separate.Add(from, to);
            ASSERT_EQ(together.AddUnlessCovered(from, to), !covered) << "width " << width << ", line " << i;
            lines.emplace_back(from, to);
        }
    }
}
