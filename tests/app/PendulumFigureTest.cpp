#include "FigureFrames.h"

#include "figure/PendulumFigure.h"
#include "platform/qt/QtPixels.h"
#include "platform/DeviceMapping.h"
#include "tests/platform/MidpointReference.h"
#include "tests/support/TestImages.h"

#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

using app_testing::FigureFrame;
using app_testing::ImageHeight;
using app_testing::ImageWidth;
using testing_support::rgbAt;

namespace {

constexpr unsigned White = 0xFFFFFF;
constexpr unsigned Black = 0x000000;
constexpr unsigned Red = 0xFF0000; // as QRgb: red in the high byte

// The extent of the pixels of one colour in a rectangle of the image.
struct Extent {
    int left = 0;
    int top = 0;
    int right = 0;  // inclusive
    int bottom = 0; // inclusive
};

// The rectangle [x0, x1) x [y0, y1), cut to the image.
std::optional<Extent> ExtentOf(const QImage& image, unsigned rgb, int x0 = 0, int y0 = 0, int x1 = INT_MAX,
                               int y1 = INT_MAX)
{
    x1 = std::min(x1, image.width());
    y1 = std::min(y1, image.height());
    std::optional<Extent> extent;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (rgbAt(image, x, y) != rgb)
                continue;
            if (!extent) {
                extent = Extent{x, y, x, y};
                continue;
            }
            extent->left = std::min(extent->left, x);
            extent->right = std::max(extent->right, x);
            extent->top = std::min(extent->top, y);
            extent->bottom = std::max(extent->bottom, y);
        }
    }
    return extent;
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// How many regions the pixels of the area that are not black form, pixels
// that share a side belonging to the same region: the parts the outline
// splits the picture into, the red dots and line belonging to them.
int BackgroundRegions(const QImage& image, const QRect& area)
{
    const QRect box = area.intersected(image.rect());
    std::vector<char> seen(static_cast<std::size_t>(box.width()) * box.height(), 0);
    const auto index = [&box](int x, int y) {
        return static_cast<std::size_t>(y - box.top()) * box.width() + (x - box.left());
    };
    const auto background = [&image](int x, int y) {
        return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0xFFFFFF) != Black;
    };
    int regions = 0;
    std::vector<QPoint> pending;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (seen[index(x, y)] || !background(x, y))
                continue;
            ++regions;
            seen[index(x, y)] = 1;
            pending.push_back({x, y});
            while (!pending.empty()) {
                const QPoint p = pending.back();
                pending.pop_back();
                for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (box.contains(next) && !seen[index(next.x(), next.y())] && background(next.x(), next.y())) {
                        seen[index(next.x(), next.y())] = 1;
                        pending.push_back(next);
                    }
                }
            }
        }
    }
    return regions;
}

} // namespace

TEST(PendulumFigure, UprightBodyIsAStadiumAroundTheVerticalAxis)
{
    const QImage image = FigureFrame(320, 0.0);
    const auto outline = ExtentOf(image, Black);
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->left, 150);
    EXPECT_EQ(outline->right, 250) << "the right side is the line x = 250";
    EXPECT_EQ(outline->top, 50);
    // The lower arc's box is (150, 370)-(250, 470) with its bottom row left out.
    EXPECT_EQ(outline->bottom, 469);

    // The sides run from the pivot's row to the centre of mass's row.
    for (int y = 100; y < 420; y += 40) {
        EXPECT_EQ(rgbAt(image, 150, y), Black) << y;
        EXPECT_EQ(rgbAt(image, 250, y), Black) << y;
    }

    // The centre line: vertical from the pivot down to the centre of mass.
    for (int y = 100; y < 420; ++y)
        ASSERT_EQ(rgbAt(image, 200, y), Red) << y;
    const auto red = ExtentOf(image, Red);
    ASSERT_TRUE(red);
    EXPECT_EQ(red->left, 196) << "the dots are 4 pixels in radius";
    EXPECT_EQ(red->right, 203);
    EXPECT_EQ(red->top, 96);
    EXPECT_EQ(red->bottom, 423);

    // The dots are filled white, and the centre line is drawn after them:
    // above the pivot the dot is white inside, below it the line shows.
    EXPECT_EQ(rgbAt(image, 200, 98), White);
    EXPECT_EQ(rgbAt(image, 200, 102), Red);
    EXPECT_EQ(rgbAt(image, 200, 96), Red) << "dot outline";
    EXPECT_EQ(rgbAt(image, 200, 422), White) << "below the end of the line, inside the dot";
}

TEST(PendulumFigure, BarLengthRoundsHalvesToEvenAndStaysDrawable)
{
    EXPECT_EQ(figure::BarLength(0.8), 320);
    EXPECT_EQ(figure::BarLength(1.0 / 32.0), 12) << "12.5";
    EXPECT_EQ(figure::BarLength(3.0 / 32.0), 38) << "37.5";
    EXPECT_EQ(figure::BarLength(-1.0 / 32.0), -12);

    // Lengths beyond any window are held, not wrapped into garbage.
    EXPECT_EQ(figure::BarLength(1e300), figure::LongestBar);
    EXPECT_EQ(figure::BarLength(-1e300), -figure::LongestBar);
    EXPECT_EQ(figure::RoundToPixel(0x1p62L), 1 << 30);

    // Such a bar still runs straight down from the pivot through the bitmap.
    const QImage image = FigureFrame(figure::BarLength(1e300), 0.0);
    for (int y = 100; y < ImageHeight; y += 16)
        EXPECT_EQ(rgbAt(image, 200, y), Red) << y;
    EXPECT_EQ(rgbAt(image, 150, ImageHeight - 1), Black);
    EXPECT_EQ(rgbAt(image, 250, ImageHeight - 1), Black);
}

TEST(PendulumFigure, DefaultFirstFrameHangsLeftOfThePivot)
{
    // The angle after the first step of the default run: about -9.84 degrees.
    const double fi = Radians(-9.84);
    const QImage image = FigureFrame(figure::BarLength(0.8), fi);

    // The centre-of-mass dot near (145, 415): only the dot reaches below and
    // left of its centre, since the centre line comes from the upper right.
    const auto dot = ExtentOf(image, Red, 120, 390, 170, 440);
    ASSERT_TRUE(dot);
    EXPECT_NEAR(dot->left + 4, 145, 1);
    EXPECT_NEAR(dot->bottom - 3, 415, 1);

    const auto outline = ExtentOf(image, Black);
    ASSERT_TRUE(outline);
    EXPECT_NEAR(outline->bottom, 465, 2);
    EXPECT_LT(outline->left, 100) << "the lower end swings out to the left";
}

// The centre line of a swung body takes the pixels nearest to the ideal line
// between the dots, none beside them.
TEST(PendulumFigure, SwungCentreLineSetsTheNearestPixels)
{
    const double fi = Radians(-9.84);
    const QImage image = FigureFrame(320, fi);
    const QPoint end(figure::RoundToPixel(200 + 320 * std::sin(static_cast<long double>(fi))),
                     figure::RoundToPixel(100 + 320 * std::cos(static_cast<long double>(fi))));
    const midpoint_reference::Line line{{200, 100}, end};
    ASSERT_FALSE(line.alongX());
    for (long long i = 8; i < line.steps() - 8; ++i) {
        const platform::Point pixel = line.pixel(i);
        const QPoint p(pixel.x, pixel.y);
        ASSERT_EQ(rgbAt(image, p.x(), p.y()), Red) << p.y();
        ASSERT_EQ(rgbAt(image, p.x() - 1, p.y()), White) << p.y();
        ASSERT_EQ(rgbAt(image, p.x() + 1, p.y()), White) << p.y();
    }
}

TEST(PendulumFigure, NegativeLengthDrawsTheBarUpwards)
{
    const QImage image = FigureFrame(-320, 0.0);
    EXPECT_EQ(rgbAt(image, 200, 60), Red);
    EXPECT_EQ(rgbAt(image, 200, 0), Red) << "runs off the top edge";
    EXPECT_EQ(rgbAt(image, 200, 150), White) << "nothing hangs below the pivot";
    EXPECT_EQ(testing_support::countPixelsNot(image, White, 0, 160, ImageWidth, ImageHeight), 0);
}

TEST(PendulumFigure, WideSwingsAreClippedAtTheBitmapEdges)
{
    // Horizontal to the right: the centre of mass lies at x = 520, beyond the
    // 377 pixels of the bitmap; the bar crosses its right edge.
    const QImage right = FigureFrame(320, Radians(90));
    ASSERT_EQ(right.size(), QSize(ImageWidth, ImageHeight));
    EXPECT_EQ(rgbAt(right, ImageWidth - 1, 100), Red) << "centre line at the edge";
    EXPECT_EQ(rgbAt(right, ImageWidth - 1, 50), Black) << "upper side at the edge";
    EXPECT_EQ(rgbAt(right, ImageWidth - 1, 150), Black) << "lower side at the edge";

    // Horizontal to the left: the body leaves through x = 0.
    const QImage left = FigureFrame(320, Radians(-90));
    EXPECT_EQ(rgbAt(left, 0, 100), Red);
    EXPECT_EQ(rgbAt(left, 0, 50), Black);
    EXPECT_EQ(rgbAt(left, 0, 150), Black);

    // A long bar hanging straight down leaves through the bottom row.
    const QImage low = FigureFrame(figure::BarLength(1.5), 0.0);
    EXPECT_EQ(rgbAt(low, 200, ImageHeight - 1), Red);
    EXPECT_EQ(rgbAt(low, 150, ImageHeight - 1), Black);
}

// The figure on a target of a device pixel ratio above 1: the logical
// geometry at the device resolution.
class PendulumFigureAtRatio : public ::testing::TestWithParam<double> {
protected:
    double Ratio() const { return GetParam(); }
    // A logical coordinate on the device.
    double Device(double logical) const { return logical * Ratio(); }
};

TEST_P(PendulumFigureAtRatio, DefaultFirstFrameLiesWhereTheLogicalGeometryPutsIt)
{
    const double fi = Radians(-9.84);
    const QImage image = FigureFrame(figure::BarLength(0.8), fi, Ratio());
    const platform::DeviceMapping mapping{Ratio()};
    ASSERT_EQ(image.size(), QSize(mapping.Edge(ImageWidth), mapping.Edge(ImageHeight)));
    const double s = std::sin(fi);
    const double c = std::cos(fi);
    const double massX = 200 + 320 * s;
    const double massY = 100 + 320 * c;

    // Above the pivot only its dot is red: the box 196 .. 204 x 96 .. 104.
    const auto pivot = ExtentOf(image, Red, 0, 0, image.width(), static_cast<int>(Device(100)));
    ASSERT_TRUE(pivot);
    EXPECT_NEAR(pivot->left, Device(196), 2);
    EXPECT_NEAR(pivot->right + 1, Device(204), 2);
    EXPECT_NEAR(pivot->top, Device(96), 2);

    // Below and left of the centre of mass only its dot is red. Its box's
    // edges are rounded at the device resolution, not at logical pixels
    // (282.64 is 283 at ratio 2, where 2 x 141 would be 282).
    const auto mass = ExtentOf(image, Red, static_cast<int>(Device(massX - 20)), static_cast<int>(Device(massY)),
                               static_cast<int>(Device(massX)), static_cast<int>(Device(massY + 20)));
    ASSERT_TRUE(mass);
    EXPECT_EQ(mass->left, mapping.Edge(massX - 4));
    EXPECT_EQ(mass->bottom + 1, mapping.Edge(massY + 4));

    // The sides end at the pivot's and the centre of mass's ends of the bar.
    const QPointF sideEnds[] = {{200 + 50 * c, 100 - 50 * s},
                                {200 - 50 * c, 100 + 50 * s},
                                {massX + 50 * c, massY - 50 * s},
                                {massX - 50 * c, massY + 50 * s}};
    for (const QPointF& end : sideEnds) {
        const int x = static_cast<int>(std::lround(Device(end.x() + 0.5)));
        const int y = static_cast<int>(std::lround(Device(end.y() + 0.5)));
        EXPECT_TRUE(ExtentOf(image, Black, x - 2, y - 2, x + 3, y + 3)) << end.x() << ", " << end.y();
    }

    const auto outline = ExtentOf(image, Black);
    ASSERT_TRUE(outline);
    EXPECT_NEAR(outline->bottom + 1, Device(massY + 50), 2) << "the lowest point of the lower arc, near 465";
}

INSTANTIATE_TEST_SUITE_P(Ratios, PendulumFigureAtRatio, ::testing::Values(2.0, 1.5));

// At ratio 2 the swung body's slopes and curves are worked out per device
// pixel: many 2 x 2 blocks are not of one colour, as every block of the
// doubled 1x picture is.
TEST(PendulumFigureAtRatio2, HasDetailTheDoubledPictureLacks)
{
    const QImage image = FigureFrame(320, Radians(-9.84), 2.0);
    int mixedBlocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const unsigned first = rgbAt(image, x, y);
            mixedBlocks += rgbAt(image, x + 1, y) != first || rgbAt(image, x, y + 1) != first
                                   || rgbAt(image, x + 1, y + 1) != first
                               ? 1
                               : 0;
        }
    }
    EXPECT_GT(mixedBlocks, 300);
}

// The box the window repaints after a frame holds every pixel the frame
// sets, at every ratio, for swings all round and bars of every length, and
// is no larger than the body's outline with its margin.
TEST(PendulumFigure, FrameBoundsHoldEveryPixelOfTheFrame)
{
    for (const double ratio : {1.0, 1.25, 1.5, 2.0, 2.5}) {
        const platform::DeviceMapping mapping{ratio};
        for (const int length : {320, 37, -120}) {
            for (int degrees = -180; degrees < 180; degrees += 25) {
                const double fi = Radians(degrees + 0.3);
                const QImage image = FigureFrame(length, fi, ratio);
                const QRect bounds = platform::qt::ToQRect(figure::FrameBounds(200, 100, length, fi));
                const QRect device(QPoint(mapping.Edge(bounds.left()), mapping.Edge(bounds.top())),
                                   QPoint(mapping.Edge(bounds.right() + 1) - 1, mapping.Edge(bounds.bottom() + 1) - 1));
                int outside = 0;
                for (int y = 0; y < image.height(); ++y) {
                    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                    for (int x = 0; x < image.width(); ++x)
                        outside += (row[x] & 0xFFFFFF) != White && !device.contains(x, y) ? 1 : 0;
                }
                EXPECT_EQ(outside, 0) << "ratio " << ratio << ", length " << length << ", " << degrees << " degrees";
                EXPECT_LE(bounds.width(), 2 * (figure::HalfWidth + 3) + std::abs(length * std::sin(fi)) + 1);
            }
        }
    }
}

// The outline is closed, its inside apart from the outside, wherever it is
// at ratio 1: the arcs and the sides meet at the same device points.
TEST(PendulumFigure, OutlineClosedAtRatio1IsClosedAtEveryRatio)
{
    constexpr int angles = 202;
    int closed = 0;
    for (const int length : {320, 120}) {
        for (int k = 0; k < angles; ++k) {
            const double fi = -std::numbers::pi + 2 * std::numbers::pi * k / angles;
            // Around the body, with room for the outside to go round it; a
            // body cut by the picture's edges has more parts than two.
            const QRect around = platform::qt::ToQRect(figure::FrameBounds(200, 100, length, fi)).adjusted(-2, -2, 2, 2);
            if (!QRect(0, 0, ImageWidth, ImageHeight).contains(around)
                || BackgroundRegions(FigureFrame(length, fi), around) != 2)
                continue;
            ++closed;
            for (const double ratio : {1.25, 1.5, 2.0}) {
                const platform::DeviceMapping mapping{ratio};
                const QRect device(QPoint(mapping.Edge(around.left()), mapping.Edge(around.top())),
                                   QPoint(mapping.Edge(around.right() + 1) - 1, mapping.Edge(around.bottom() + 1) - 1));
                EXPECT_EQ(BackgroundRegions(FigureFrame(length, fi, ratio), device), 2)
                    << "length " << length << ", ratio " << ratio << ", angle " << k;
            }
        }
    }
    EXPECT_GT(closed, 50);
}
