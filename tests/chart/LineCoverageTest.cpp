#include "chart/LineCoverage.h"

#include <gtest/gtest.h>

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
