// One-pixel lines: the direct pixel path against QPainter, and the end-point rule.
#include "platform/Canvas.h"
#include "platform/RasterLine.h"

#include "tests/platform/CanvasSurface.h"
#include "tests/support/TestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace {

using canvas_testing::Surface;
using platform::Canvas;

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A white image of the given size with the canvas's line from a to b on it.
QImage canvasLine(int width, int height, QPoint a, QPoint b)
{
    Surface s(width, height);
    s.canvas.MoveTo(a.x(), a.y());
    s.canvas.LineTo(b.x(), b.y());
    s.canvas.Unbind();
    return s.image;
}

// A distinct colour per segment, so that the order of overlapping segments shows.
TColor segmentColor(std::size_t index)
{
    return static_cast<TColor>((index * 2654435761u) & 0x7F7F7Fu);
}

// Draws the same strips once through the direct path (canvas bound to the
// image) and once through QPainter (canvas bound to a painter on a twin image).
struct TwinCanvases {
    TwinCanvases(int width, int height)
        : direct(whiteImage(width, height)),
          painted(whiteImage(width, height)),
          painter(&painted)
    {
        fast.BindImage(&direct);
        general.BindPainter(&painter);
    }

    void clip(const QRect& rect)
    {
        for (Canvas* canvas : {&fast, &general})
            canvas->IntersectClipRect(rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
    }
    void removeClip()
    {
        fast.RemoveClip();
        general.RemoveClip();
    }
    void strip(const std::vector<QPoint>& points, TColor color)
    {
        for (Canvas* canvas : {&fast, &general}) {
            canvas->Pen().SetColor(color);
            canvas->DrawLineStrip(points);
        }
    }
    // Index of the first differing pixel as "x,y", or empty when equal.
    std::string firstDifference()
    {
        painter.end();
        for (int y = 0; y < direct.height(); ++y)
            for (int x = 0; x < direct.width(); ++x)
                if (direct.pixel(x, y) != painted.pixel(x, y))
                    return std::to_string(x) + "," + std::to_string(y);
        return {};
    }

    QImage direct;
    QImage painted;
    QPainter painter;
    Canvas fast;
    Canvas general;
};

class RandomSegments {
public:
    explicit RandomSegments(unsigned seed, int width, int height)
        : rng_(seed), width_(width), height_(height)
    {
    }

    // Endpoints of every kind: near each other, anywhere around the surface,
    // far outside it and near the limits of int.
    QPoint point(const QPoint& near)
    {
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return near + QPoint(pick(-5, 5), pick(-5, 5));
        case 4:
        case 5:
        case 6:
            return {pick(-30, width_ + 30), pick(-30, height_ + 30)};
        case 7:
            return {pick(-100000, 100000), pick(-100000, 100000)};
        case 8:
            return {pick(-3000, 3000), pick(-3000, 3000)};
        default:
            return {pick(INT_MIN, INT_MAX), pick(INT_MIN, INT_MAX)};
        }
    }

    std::vector<QPoint> strip(std::size_t length)
    {
        std::vector<QPoint> points{{pick(0, width_), pick(0, height_)}};
        while (points.size() < length)
            points.push_back(point(points.back()));
        return points;
    }

    QRect clip()
    {
        const QPoint a(pick(-20, width_ + 20), pick(-20, height_ + 20));
        const QPoint b(pick(-20, width_ + 20), pick(-20, height_ + 20));
        return QRect(a, b).normalized();
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

private:
    std::mt19937 rng_;
    int width_;
    int height_;
};

TEST(CanvasLineRule, DirectPathSetsTheSamePixelsAsQPainter)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        TwinCanvases twins(97, 61);
        ASSERT_TRUE(twins.fast.DrawsLinesDirectly());
        ASSERT_FALSE(twins.general.DrawsLinesDirectly());
        RandomSegments random(seed, 97, 61);
        for (std::size_t i = 0; i < 400; ++i) {
            if (i % 40 == 0) {
                twins.removeClip();
                if (seed % 2 == 0)
                    twins.clip(random.clip());
            }
            twins.strip(random.strip(static_cast<std::size_t>(random.pick(2, 6))), segmentColor(i));
        }
        EXPECT_EQ(twins.firstDifference(), "") << "seed " << seed;
    }
}

// Dashed and dotted lines are written directly when they run right or down
// within reach of the surface; every other one goes through QPainter. Both
// must give QPainter's pixels, gaps left alone.
TEST(CanvasLineRule, DashedLinesMatchQPainterInEveryStyleAndDirection)
{
    const int width = 83;
    const int height = 57;
    for (const TPenStyle style : {psDash, psDot, psDashDot, psDashDotDot, psSolid}) {
        for (const bool dots : {false, true}) {
            TwinCanvases twins(width, height);
            for (Canvas* canvas : {&twins.fast, &twins.general}) {
                canvas->Pen().SetStyle(style);
                canvas->Pen().SetAlternateDots(dots);
                canvas->SetBackgroundMode(bkTransparent);
            }
            RandomSegments random(static_cast<unsigned>(style) * 2 + (dots ? 1 : 0), width, height);
            for (std::size_t i = 0; i < 300; ++i) {
                if (i % 50 == 0) {
                    twins.removeClip();
                    if (i % 100 == 50)
                        twins.clip(random.clip());
                }
                const QPoint from(random.pick(-3, width + 3), random.pick(-3, height + 3));
                // Lengths from nothing to beyond the surface, both ways, and
                // now and then an end far away.
                int length = random.pick(-120, 120);
                if (random.pick(0, 9) == 0)
                    length *= 1000;
                const QPoint to = random.pick(0, 1) == 0 ? QPoint(from.x() + length, from.y())
                                                         : QPoint(from.x(), from.y() + length);
                for (Canvas* canvas : {&twins.fast, &twins.general}) {
                    canvas->Pen().SetColor(segmentColor(i));
                    // The colour resets the alternate dots; set them again.
                    canvas->Pen().SetStyle(style);
                    canvas->Pen().SetAlternateDots(dots);
                    canvas->MoveTo(from.x(), from.y());
                    canvas->LineTo(to.x(), to.y());
                }
            }
            EXPECT_EQ(twins.firstDifference(), "") << "style " << style << " dots " << dots;
        }
    }
}

// The grid of a chart: dotted lines across the chart rectangle, drawn as a
// strip of separate lines, over a clip.
TEST(CanvasLineRule, DottedGridMatchesQPainter)
{
    TwinCanvases twins(498, 690);
    twins.clip(QRect(QPoint(16, 29), QPoint(482, 660)));
    for (Canvas* canvas : {&twins.fast, &twins.general}) {
        canvas->Pen().SetStyle(psDot);
        canvas->Pen().SetColor(clGray);
        canvas->SetBackgroundMode(bkTransparent);
        for (int x = 15; x < 483; x += 37)
            canvas->Polyline(std::vector<QPoint>{{x, 28}, {x, 662}});
        for (int y = 28; y < 663; y += 21) {
            const QPoint row[] = {{15, y}, {483, y}, {483, y + 1}, {15, y + 1}};
            canvas->DrawLineStrip(row);
        }
    }
    EXPECT_EQ(twins.firstDifference(), "");
}

TEST(CanvasLineRule, PendulumStripsMatchQPainterOnTheChartSurface)
{
    TwinCanvases twins(498, 690);
    twins.clip(QRect(QPoint(16, 29), QPoint(482, 660)));
    for (int run = 0; run < 6; ++run) {
        std::vector<QPoint> points;
        for (int i = 0; i < 800; ++i) {
            const double t = i * 0.01;
            const double swing = 15 * std::exp(-0.05 * run * t) * std::cos(3.1 * t + run);
            points.emplace_back(static_cast<int>(std::lround(15 + t * 156 - run * 40)),
                                static_cast<int>(std::lround(345 - swing * 21 * (1 + run))));
        }
        twins.strip(points, segmentColor(static_cast<std::size_t>(run)));
    }
    EXPECT_EQ(twins.firstDifference(), "");
}

TEST(CanvasLineRule, ChainIsTheSameInBothDirectionsWithoutTheEndPoint)
{
    RandomSegments random(77, 64, 48);
    for (int i = 0; i < 3000; ++i) {
        const QPoint a(random.pick(0, 63), random.pick(0, 47));
        const QPoint b(random.pick(-40, 103), random.pick(-40, 87));
        if (a == b)
            continue;
        QImage forward = canvasLine(64, 48, a, b);
        QImage backward = canvasLine(64, 48, b, a);

        ASSERT_EQ(testing_support::rgbAt(forward, a.x(), a.y()), 0u) << "start not set";
        ASSERT_NE(testing_support::rgbAt(backward, a.x(), a.y()), 0u) << "end set";
        if (forward.rect().contains(b)) {
            ASSERT_NE(testing_support::rgbAt(forward, b.x(), b.y()), 0u) << "end set";
            ASSERT_EQ(testing_support::rgbAt(backward, b.x(), b.y()), 0u) << "start not set";
            forward.setPixel(b, qRgb(0, 0, 0));
        }
        backward.setPixel(a, qRgb(0, 0, 0));
        ASSERT_EQ(forward, backward) << "line " << a.x() << "," << a.y() << " - " << b.x() << "," << b.y();
    }
}

TEST(CanvasLineRule, ForwardLinesAreQPaintersOwnLines)
{
    RandomSegments random(5, 80, 60);
    for (int i = 0; i < 500; ++i) {
        const QPoint a(random.pick(-10, 90), random.pick(-10, 70));
        const QPoint b = random.point(a);
        if (platform::raster::lineCourse(a, b).reversed)
            continue;
        const QImage ours = canvasLine(80, 60, a, b);
        QImage qts = whiteImage(80, 60);
        if (a != b) {
            QPainter painter(&qts);
            painter.setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(a, b);
        }
        ASSERT_EQ(ours, qts) << a.x() << "," << a.y() << " - " << b.x() << "," << b.y();
    }
}

TEST(CanvasLineRule, EndPointIsLeftOutInEveryDirectionAndAZeroLineDrawsNothing)
{
    const QPoint centre(10, 10);
    const QPoint ends[] = {{18, 10}, {2, 10}, {10, 18}, {10, 2}, {16, 16}, {4, 4},
                           {16, 4}, {4, 16}, {17, 13}, {3, 7}, {12, 3}, {8, 17}};
    for (const QPoint& end : ends) {
        Surface s(21, 21);
        s.canvas.MoveTo(centre.x(), centre.y());
        s.canvas.LineTo(end.x(), end.y());
        EXPECT_EQ(s.canvas.PenPos(), end);
        EXPECT_EQ(testing_support::rgbAt(s.image, centre.x(), centre.y()), 0u) << end.x() << "," << end.y();
        EXPECT_EQ(testing_support::rgbAt(s.image, end.x(), end.y()), 0xFFFFFFu) << end.x() << "," << end.y();
        const int major = std::max(std::abs(end.x() - centre.x()), std::abs(end.y() - centre.y()));
        EXPECT_EQ(testing_support::countPixelsNot(s.image, 0xFFFFFF, 0, 0, 21, 21), major);
    }
    EXPECT_EQ(testing_support::countPixelsNot(canvasLine(8, 8, QPoint(3, 3), QPoint(3, 3)), 0xFFFFFF, 0, 0, 8, 8), 0);
}

TEST(CanvasLineRule, ReversedDottedLineStartsItsPatternAtTheStartPoint)
{
    Surface s(24, 4);
    s.canvas.Pen().SetStyle(psDot);
    s.canvas.SetBackgroundMode(bkTransparent);
    s.canvas.MoveTo(1, 1);
    s.canvas.LineTo(21, 1);
    s.canvas.MoveTo(20, 2);
    s.canvas.LineTo(0, 2);
    s.canvas.Unbind();
    EXPECT_EQ(s.row(1, 0, 24), ".###...###...###...##...");
    EXPECT_EQ(s.row(2, 0, 24), ".##...###...###...###...");
}

// Pixels written directly and pixels drawn by the canvas's QPainter land in
// the image in the order they were drawn, and a copy of the image taken in
// between keeps what it had.
TEST(CanvasLineRule, DirectWritesKeepOrderWithPainterDrawingAndCopies)
{
    QImage image = whiteImage(30, 30);
    Canvas canvas;
    canvas.BindImage(&image);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(0, 0, 30, 30);
    canvas.Pen().SetColor(clRed);
    canvas.MoveTo(0, 5);
    canvas.LineTo(30, 5);
    const QImage snapshot = image;
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(0, 0, 10, 30);
    canvas.MoveTo(0, 20);
    canvas.LineTo(30, 20);
    const QImage second = image;
    canvas.FillRect(25, 0, 30, 30);
    canvas.Unbind();

    EXPECT_EQ(testing_support::rgbAt(image, 5, 5), 0x00FF00u);
    EXPECT_EQ(testing_support::rgbAt(image, 15, 5), 0xFF0000u);
    EXPECT_EQ(testing_support::rgbAt(image, 5, 20), 0xFF0000u);
    EXPECT_EQ(testing_support::rgbAt(image, 27, 20), 0x00FF00u);
    EXPECT_EQ(testing_support::rgbAt(image, 15, 10), 0x0000FFu);

    EXPECT_EQ(testing_support::rgbAt(snapshot, 5, 5), 0xFF0000u);
    EXPECT_EQ(testing_support::rgbAt(snapshot, 5, 20), 0x0000FFu);
    EXPECT_EQ(testing_support::rgbAt(second, 27, 20), 0xFF0000u);
}

} // namespace
