// One-pixel lines through every path of the canvas (written straight into an
// RGB32 image, filled through QPainter on a painter target, on another image
// format, in not-xor mode, dashed) against the midpoint reference.
#include "platform/Canvas.h"
#include "platform/RasterRecipes.h"

#include "platform/qt/QtCanvasTarget.h"
#include "tests/platform/CanvasSurface.h"
#include "tests/platform/MidpointReference.h"
#include "tests/support/TestImages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using canvas_testing::Surface;
using midpoint_reference::Line;
using platform::Canvas;

QImage whiteImage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
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

// What the canvas should draw, set pixel by pixel from the reference: the
// dashes of each line in its colour, its gaps in the gap colour if any, only
// inside the clip.
class ReferencePicture {
public:
    ReferencePicture(int width, int height) : image(whiteImage(width, height)) {}

    void line(QPoint a, QPoint b, QRgb color, std::span<const int> pattern = {},
              std::optional<QRgb> gap = std::nullopt)
    {
        const Line reference{a, b};
        const QRect visible = clip ? clip->intersected(image.rect()) : image.rect();
        const long long steps = reference.steps();
        // Far lines: only the steps that can reach the picture.
        const long long major0 = reference.alongX() ? a.x() : a.y();
        const long long direction = (reference.alongX() ? reference.dx() : reference.dy()) < 0 ? -1 : 1;
        const long long extent = reference.alongX() ? image.width() : image.height();
        const long long first = std::max(0LL, direction > 0 ? -major0 : major0 - (extent - 1));
        const long long last = std::min(steps - 1, direction > 0 ? extent - 1 - major0 : major0);
        for (long long i = first; i <= last; ++i) {
            const platform::Point pixel = reference.pixel(i);
            const QPoint p(pixel.x, pixel.y);
            if (!visible.contains(p))
                continue;
            if (midpoint_reference::inDash(pattern, i))
                image.setPixel(p, 0xFF000000u | color);
            else if (gap)
                image.setPixel(p, 0xFF000000u | *gap);
        }
    }

    std::optional<QRect> clip;
    QImage image;
};

// The first pixel where two pictures differ, as "x,y", or empty when they agree.
std::string firstDifference(const QImage& picture, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
                return std::to_string(x) + "," + std::to_string(y);
    return {};
}

// The canvas's targets whose lines take different paths.
enum class Target { DirectImage, Painter, OtherFormat };

// A canvas drawing on a white picture through the given path.
class TargetCanvas {
public:
    TargetCanvas(Target target, int width, int height)
        : image_(whiteImage(width, height,
                            target == Target::OtherFormat ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32))
    {
        if (target == Target::Painter) {
            painter_.emplace(&image_);
            platform::qt::BindPainter(canvas, &*painter_);
        } else {
            platform::qt::BindImage(canvas, &image_);
        }
    }

    const QImage& Picture()
    {
        canvas.Unbind();
        painter_.reset();
        return image_;
    }

    Canvas canvas;

private:
    QImage image_;
    std::optional<QPainter> painter_;
};

class RandomSegments {
public:
    explicit RandomSegments(unsigned seed, int width, int height) : rng_(seed), width_(width), height_(height) {}

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

// The same points as the canvas takes them.
std::vector<platform::Point> canvasPoints(const std::vector<QPoint>& points)
{
    return {points.begin(), points.end()};
}

} // namespace

// Random strips, clipped now and then, on every target: the reference's
// pixels, later segments over earlier ones.
TEST(CanvasLineRule, SolidLinesOnEveryTargetAreTheReferencePixels)
{
    for (const Target target : {Target::DirectImage, Target::Painter, Target::OtherFormat}) {
        for (unsigned seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(static_cast<int>(target) * 100 + seed);
            TargetCanvas drawn(target, 97, 61);
            ASSERT_EQ(drawn.canvas.DrawsLinesDirectly(), target == Target::DirectImage);
            ReferencePicture expected(97, 61);
            RandomSegments random(seed, 97, 61);
            for (std::size_t i = 0; i < 150; ++i) {
                if (i % 40 == 0) {
                    drawn.canvas.RemoveClip();
                    expected.clip.reset();
                    if (seed % 2 == 0) {
                        const QRect clip = random.clip();
                        drawn.canvas.IntersectClipRect(clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1);
                        expected.clip = clip;
                    }
                }
                const std::vector<QPoint> points = random.strip(static_cast<std::size_t>(random.pick(2, 6)));
                drawn.canvas.Pen().SetColor(segmentColor(i));
                drawn.canvas.DrawLineStrip(canvasPoints(points));
                for (std::size_t k = 1; k < points.size(); ++k)
                    expected.line(points[k - 1], points[k], ToRgb(segmentColor(i)));
            }
            EXPECT_EQ(firstDifference(drawn.Picture(), expected.image), "");
        }
    }
}

// Every style in every direction, gaps left alone or filled with the
// background, on every target: the pattern runs along the reference's pixels
// from each line's start.
TEST(CanvasLineRule, DashedLinesFollowTheirPatternAlongTheReferencePixels)
{
    const int width = 83;
    const int height = 57;
    for (const Target target : {Target::DirectImage, Target::Painter, Target::OtherFormat}) {
        for (const TPenStyle style : {psDash, psDot, psDashDot, psDashDotDot}) {
            for (const bool opaque : {false, true}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(target)) + " style " + std::to_string(style)
                             + (opaque ? " opaque" : " transparent"));
                TargetCanvas drawn(target, width, height);
                ReferencePicture expected(width, height);
                RandomSegments random(static_cast<unsigned>(style) * 2 + (opaque ? 1 : 0), width, height);
                drawn.canvas.IntersectClipRect(3, 2, width - 4, height - 2);
                expected.clip = QRect(QPoint(3, 2), QPoint(width - 5, height - 3));
                for (std::size_t i = 0; i < 120; ++i) {
                    const QPoint from(random.pick(-3, width + 3), random.pick(-3, height + 3));
                    const QPoint to = random.point(from);
                    drawn.canvas.Pen().SetColor(segmentColor(i));
                    drawn.canvas.Pen().SetStyle(style);
                    drawn.canvas.Pen().SetAlternateDots(i % 7 == 0);
                    drawn.canvas.SetBackgroundMode(opaque ? bkOpaque : bkTransparent);
                    drawn.canvas.SetBackgroundColor(segmentColor(i + 1000));
                    drawn.canvas.MoveTo(from.x(), from.y());
                    drawn.canvas.LineTo(to.x(), to.y());
                    const std::span<const int> pattern = platform::recipes::DashPattern(drawn.canvas.Pen().Data());
                    expected.line(from, to, ToRgb(segmentColor(i)), pattern,
                                  opaque ? std::optional<QRgb>(ToRgb(segmentColor(i + 1000))) : std::nullopt);
                }
                EXPECT_EQ(firstDifference(drawn.Picture(), expected.image), "");
            }
        }
    }
}

// The chart's picture: dotted grid lines across the plot, drawn as strips of
// separate lines, and damped swings over them, clipped to the plot, on the
// direct path and through QPainter alike.
TEST(CanvasLineRule, ChartGridAndRunsAreTheReferencePixelsOnBothPaths)
{
    std::vector<std::vector<QPoint>> grid;
    for (int x = 15; x < 483; x += 37)
        grid.push_back({{x, 28}, {x, 662}});
    for (int y = 28; y < 663; y += 21)
        grid.push_back({{15, y}, {483, y}, {483, y + 1}, {15, y + 1}});
    std::vector<std::vector<QPoint>> runs(6);
    for (int run = 0; run < 6; ++run) {
        for (int i = 0; i < 800; ++i) {
            const double t = i * 0.01;
            const double swing = 15 * std::exp(-0.05 * run * t) * std::cos(3.1 * t + run);
            runs[run].emplace_back(static_cast<int>(std::lround(15 + t * 156 - run * 40)),
                                   static_cast<int>(std::lround(345 - swing * 21 * (1 + run))));
        }
    }
    TPenData dotted;
    dotted.style = psDot;
    ReferencePicture expected(498, 690);
    expected.clip = QRect(QPoint(16, 29), QPoint(482, 660));
    for (const std::vector<QPoint>& line : grid)
        for (std::size_t k = 1; k < line.size(); ++k)
            expected.line(line[k - 1], line[k], ToRgb(clGray), platform::recipes::DashPattern(dotted));
    for (std::size_t run = 0; run < runs.size(); ++run)
        for (std::size_t k = 1; k < runs[run].size(); ++k)
            expected.line(runs[run][k - 1], runs[run][k], ToRgb(segmentColor(run)));

    for (const Target target : {Target::DirectImage, Target::Painter}) {
        TargetCanvas drawn(target, 498, 690);
        drawn.canvas.IntersectClipRect(16, 29, 483, 661);
        drawn.canvas.Pen().SetStyle(psDot);
        drawn.canvas.Pen().SetColor(clGray);
        drawn.canvas.SetBackgroundMode(bkTransparent);
        for (const std::vector<QPoint>& line : grid)
            drawn.canvas.DrawLineStrip(canvasPoints(line));
        drawn.canvas.Pen().SetStyle(psSolid);
        for (std::size_t run = 0; run < runs.size(); ++run) {
            drawn.canvas.Pen().SetColor(segmentColor(run));
            drawn.canvas.DrawLineStrip(canvasPoints(runs[run]));
        }
        EXPECT_EQ(firstDifference(drawn.Picture(), expected.image), "") << static_cast<int>(target);
    }
}

// Not-xor sets each pixel of a line once: on white a black pen gives the
// reference's pixels in black, and drawing again restores every pixel.
TEST(CanvasLineRule, NotXorLinesSetEachReferencePixelOnce)
{
    Surface s(64, 48);
    ReferencePicture expected(64, 48);
    s.canvas.Pen().SetMode(pmNotXor);
    RandomSegments random(9, 64, 48);
    std::vector<std::pair<QPoint, QPoint>> lines;
    for (int i = 0; i < 40; ++i) {
        const QPoint from(random.pick(0, 63), random.pick(0, 47));
        lines.emplace_back(from, random.point(from));
    }
    for (const auto& [from, to] : lines) {
        Surface single(64, 48);
        single.canvas.Pen().SetMode(pmNotXor);
        single.canvas.MoveTo(from.x(), from.y());
        single.canvas.LineTo(to.x(), to.y());
        ReferencePicture one(64, 48);
        one.line(from, to, 0x000000);
        single.canvas.Unbind();
        ASSERT_EQ(firstDifference(single.image, one.image), "")
            << from.x() << "," << from.y() << " - " << to.x() << "," << to.y();
    }
    const QImage before = s.image;
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& [from, to] : lines) {
            s.canvas.MoveTo(from.x(), from.y());
            s.canvas.LineTo(to.x(), to.y());
        }
    s.canvas.Unbind();
    EXPECT_EQ(s.image, before);
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
    platform::qt::BindImage(canvas, &image);
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
