#include "chart/LineStripBuilder.h"
#include "platform/Canvas.h"
#include "platform/qt/QtCanvasTarget.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace {

constexpr int width = 120;
constexpr int height = 90;

// The box lines may set: the surface less a margin, as a chart's clip.
constexpr QRect box(QPoint(7, 5), QPoint(111, 82));

QImage Blank()
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A canvas on the image, clipped to the box, with the pen given.
struct Surface {
    explicit Surface(TPenMode mode = pmCopy)
        : image(Blank())
    {
        platform::qt::BindImage(canvas, &image);
        canvas.IntersectClipRect(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
        canvas.Pen().SetMode(mode);
    }

    // Every segment from one point to the next, one LineTo each.
    void DrawEverySegment(const std::vector<platform::Point>& points)
    {
        canvas.MoveTo(points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i)
            canvas.LineTo(points[i].x, points[i].y);
    }

    const QImage& Finish()
    {
        canvas.Unbind();
        return image;
    }

    QImage image;
    platform::Canvas canvas;
};

TLineCoverage BoxCoverage()
{
    TLineCoverage coverage;
    coverage.Reset(width, height, box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    return coverage;
}

std::vector<platform::Point> Build(TLineStripBuilder& builder, const std::vector<platform::Point>& points, bool merge,
                          TLineCoverage* coverage, Surface& surface)
{
    builder.Start(points[0], merge, coverage);
    std::vector<int> xs;
    std::vector<int> ys;
    for (std::size_t i = 1; i < points.size(); ++i) {
        xs.push_back(points[i].x);
        ys.push_back(points[i].y);
    }
    // Half one by one, half in bulk.
    const std::size_t half = xs.size() / 2;
    for (std::size_t i = 0; i < half; ++i)
        builder.Add(platform::Point(xs[i], ys[i]));
    builder.AddAll(std::span<const int>(xs).subspan(half), std::span<const int>(ys).subspan(half));
    builder.Finish();
    surface.canvas.DrawLineStrips(builder.Points(), builder.Ends());
    return {builder.Points().begin(), builder.Points().end()};
}

// Points that stay in a column for a while, step a column or jump, repeat,
// and now and then go far outside, to the ends of int.
std::vector<platform::Point> RandomPolyline(unsigned seed, int count)
{
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<platform::Point> points{{pick(0, width), pick(0, height)}};
    for (int i = 1; i < count; ++i) {
        platform::Point p = points.back();
        switch (pick(0, 19)) {
        case 0:
            p = platform::Point(pick(-20, width + 20), pick(-20, height + 20));
            break;
        case 1:
            p.y = pick(0, 1) == 0 ? INT_MIN : INT_MAX;
            break;
        case 2:
            p.y = pick(-100000, 100000);
            break;
        case 3:
        case 4:
            p.x = p.x + pick(-2, 2);
            p.y = std::clamp(p.y, -50, height + 50) + pick(-9, 9);
            break;
        case 5:
            break; // a repeat
        default:
            p.y = std::clamp(p.y, -50, height + 50) + pick(-12, 12);
            break;
        }
        points.push_back(p);
    }
    return points;
}

} // namespace

TEST(LineStripBuilder, MergedColumnsSetThePixelsOfEverySegment)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<platform::Point> points = RandomPolyline(seed, seed < 20 ? 12 : 600);
        Surface reference;
        reference.DrawEverySegment(points);
        Surface merged;
        TLineStripBuilder builder;
        Build(builder, points, true, nullptr, merged);
        ASSERT_EQ(merged.Finish(), reference.Finish()) << "seed " << seed;
        EXPECT_EQ(builder.Last(), points.back());
    }
}

TEST(LineStripBuilder, ChainEndsAreSetOnlyWhereAnEarlierPointReachesThem)
{
    struct Case {
        std::vector<int> rows;
        int top;
        int bottom;
    };
    // Rows of one column: the chain sets everything between its lowest and
    // highest row except a last row that lies beyond all others.
    const Case cases[] = {
        {{20, 30}, 20, 29},         {{30, 20}, 21, 30},         {{20, 30, 25}, 20, 30},
        {{20, 30, 10}, 11, 30},     {{20, 30, 30, 40}, 20, 39}, {{20, 25, 20, 25, 20}, 20, 25},
        {{20, 20, 20}, INT_MAX, 0}, {{40, 10, 40, 50}, 10, 49},
    };
    for (const Case& c : cases) {
        TLineStripBuilder builder;
        builder.Start(platform::Point(50, c.rows[0]), true, nullptr);
        for (std::size_t i = 1; i < c.rows.size(); ++i)
            builder.Add(platform::Point(50, c.rows[i]));
        builder.Finish();
        if (c.top > c.bottom) {
            EXPECT_TRUE(builder.Points().empty());
            continue;
        }
        // One vertical line over exactly those rows.
        ASSERT_EQ(builder.Ends().size(), 1u);
        ASSERT_EQ(builder.Points().size(), 2u);
        EXPECT_EQ(builder.Points()[0], platform::Point(50, c.top));
        EXPECT_EQ(builder.Points()[1], platform::Point(50, c.bottom + 1));
    }
}

TEST(LineStripBuilder, WithoutMergingEverySegmentIsDrawnOnceInItsOrder)
{
    // Inverting shows how often and in which order a pixel is drawn.
    for (unsigned seed = 41; seed <= 60; ++seed) {
        const std::vector<platform::Point> points = RandomPolyline(seed, 300);
        Surface reference(pmNot);
        reference.DrawEverySegment(points);
        Surface built(pmNot);
        TLineStripBuilder builder;
        Build(builder, points, false, nullptr, built);
        ASSERT_EQ(built.Finish(), reference.Finish()) << "seed " << seed;
    }
}

TEST(LineStripBuilder, CoveredSegmentsAreLeftOutWithoutChangingThePicture)
{
    for (unsigned seed = 61; seed <= 90; ++seed) {
        // A later line that covers much of the first, as a later series does.
        const std::vector<platform::Point> first = RandomPolyline(seed, 500);
        const std::vector<platform::Point> later = RandomPolyline(seed + 1000, 200);

        Surface reference;
        reference.DrawEverySegment(first);
        reference.canvas.Pen().SetColor(clRed);
        reference.DrawEverySegment(later);

        TLineCoverage coverage = BoxCoverage();
        TLineStripBuilder laterBuilder;
        TLineStripBuilder firstBuilder;
        Surface left;
        // Worked out from the last drawn to the first, drawn the other way round.
        laterBuilder.Start(later[0], true, &coverage);
        for (std::size_t i = 1; i < later.size(); ++i)
            laterBuilder.Add(later[i]);
        laterBuilder.Finish();
        Build(firstBuilder, first, true, &coverage, left);
        left.canvas.Pen().SetColor(clRed);
        left.canvas.DrawLineStrips(laterBuilder.Points(), laterBuilder.Ends());
        ASSERT_EQ(left.Finish(), reference.Finish()) << "seed " << seed;
    }
    // A polyline that runs over its own pixels again keeps only what adds
    // pixels: there and back once (the way back sets its start), then nothing.
    std::vector<platform::Point> backAndForth;
    for (int i = 0; i < 20; ++i)
        backAndForth.push_back(platform::Point(i % 2 == 0 ? 20 : 60, 30));
    TLineCoverage coverage = BoxCoverage();
    Surface surface;
    TLineStripBuilder builder;
    Build(builder, backAndForth, true, &coverage, surface);
    EXPECT_EQ(builder.Points().size(), 3u);
    EXPECT_EQ(builder.Last(), platform::Point(60, 30));
}
