#include "chart/LineCoverage.h"
#include "platform/RasterDirect.h"

#include <QImage>

#include <gtest/gtest.h>

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

TEST(LineCoverage, WideLinesHoldTheCrossSectionsTheDirectWriterSets)
{
    TLineCoverage coverage;
    coverage.Reset(200, 150, 10, 10, 100, 100, 2);
    // A vertical line two pixels wide: the columns before and at its x.
    coverage.Add({20, 30}, {20, 40});
    EXPECT_TRUE(coverage.Covers({20, 39}, {20, 29}));
    EXPECT_FALSE(coverage.Covers({21, 30}, {21, 31}));
    EXPECT_FALSE(coverage.Covers({19, 30}, {19, 31}));
    // Along x: each pixel with the row above it.
    coverage.Add({30, 50}, {60, 50});
    EXPECT_TRUE(coverage.Covers({30, 50}, {60, 50}));
    EXPECT_TRUE(coverage.Covers({31, 49}, {31, 51}));
    EXPECT_FALSE(coverage.Covers({31, 51}, {59, 51}));
    EXPECT_FALSE(coverage.Covers({31, 49}, {59, 49}));
    // Steep: each pixel with the column before it (column 10 for the rows
    // of centre column 10, 10 and 11 for those of 11); only what lies inside
    // the box counts.
    coverage.Add({10, 60}, {11, 95});
    EXPECT_TRUE(coverage.Covers({10, 60}, {10, 95}));
    EXPECT_TRUE(coverage.Covers({11, 78}, {11, 95}));
    EXPECT_FALSE(coverage.Covers({11, 60}, {11, 95}));

    // Whatever the width, a line the coverage calls covered changes no pixel
    // of what the writer drew, and lines drawn before are mostly covered.
    std::mt19937 random(5);
    std::uniform_int_distribution<int> coordinate(-20, 130);
    for (const int width : {2, 3, 4}) {
        QImage drawn(120, 100, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        const platform::raster::PixelBox box{10, 10, 100, 90};
        coverage.Reset(drawn.width(), drawn.height(), box.left, box.top, box.right, box.bottom, width);
        std::vector<std::pair<QPoint, QPoint>> lines;
        int covered = 0;
        for (int i = 0; i < 600; ++i) {
            const bool again = i % 3 == 2;
            const auto line = again ? lines[static_cast<std::size_t>(coordinate(random) + 20) % lines.size()]
                                    : std::pair{QPoint(coordinate(random), coordinate(random)),
                                                QPoint(coordinate(random), i % 4 == 0 ? 40 : coordinate(random))};
            QImage candidate = drawn.copy();
            platform::raster::DirectLineWriter(candidate, box, 0, width).line(line.first, line.second);
            if (coverage.Covers(line.first, line.second)) {
                ++covered;
                ASSERT_EQ(candidate, drawn) << "width " << width << ", line " << i;
            }
            coverage.Add(line.first, line.second);
            drawn = candidate;
            lines.push_back(line);
        }
        EXPECT_GT(covered, 60) << "width " << width;
    }
}
