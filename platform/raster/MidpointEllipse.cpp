#include "platform/raster/MidpointEllipse.h"

#include "platform/raster/PixelTarget.h"

namespace platform::raster {

namespace {

// Walks one quarter of the ellipse with semi-axes a = width / 2 and
// b = height / 2 from its top (x = 0) outwards, by the decision variable of
// the midpoint algorithm: first stepping along x while the slope is shallow,
// then along y. Each row's run [x, x + length) goes to visit(x, y, length),
// with y counted down from ceil(height / 2).
template <typename Visit>
void WalkQuarter(const IntegralBox& box, Visit&& visit)
{
    const double a = box.width / 2.0;
    const double b = box.height / 2.0;
    const double aa = a * a;
    const double bb = b * b;
    int x = 0;
    int y = (box.height + 1) / 2;
    int runStart = 0;
    double d = bb - aa * b + 0.25 * aa;
    while (aa * (2 * y - 1) > 2 * bb * (x + 1)) {
        if (d < 0) {
            d += bb * (2 * x + 3);
            ++x;
        } else {
            d += bb * (2 * x + 3) + aa * (2 - 2 * y);
            visit(runStart, y, x - runStart + 1);
            runStart = ++x;
            --y;
        }
    }
    visit(runStart, y, x - runStart + 1);
    d = bb * (x + 0.5) * (x + 0.5) + aa * ((y - 1.0) * (y - 1.0) - bb);
    const int lastY = box.height & 1;
    while (y > lastY) {
        if (d < 0) {
            d += bb * (2 * x + 2) + aa * (3 - 2 * y);
            ++x;
        } else {
            d += aa * (3 - 2 * y);
        }
        --y;
        visit(x, y, 1);
    }
}

// The four mirror images of a quarter's run: the right one from the middle
// column outwards, the left one mirrored about the box's middle; the lower
// one from the middle row downwards, the upper one mirrored.
struct MirroredRun {
    int left;
    int right;
    int lower;
    int upper;
};

MirroredRun Mirror(const IntegralBox& box, int x, int y, int length)
{
    const int right = box.left + (box.width + 1) / 2 + x;
    const int left = 2 * box.left + box.width - (right + length - 1);
    // A flat ellipse of an odd height can step past its middle (to y = 0);
    // that run goes on the lower middle row only.
    if (y == 0 && (box.height & 1) != 0) {
        const int lower = box.top + box.height / 2 + 1;
        return {left, right, lower, lower};
    }
    const int lower = box.top + box.height / 2 + y;
    const int upper = 2 * box.top + box.height - lower;
    return {left, right, lower, upper};
}

} // namespace

void MidpointOutline(const IntegralBox& box, SpanWriter& writer)
{
    // A box of no height is the row of its width (none for no width).
    if (box.height == 0) {
        writer.Span(box.left, box.top, box.width);
        return;
    }
    WalkQuarter(box, [&](int x, int y, int length) {
        if (length <= 0)
            return;
        // Runs that meet or overlap in the middle are written as one, and the
        // middle row once, so that each pixel is written once.
        const MirroredRun run = Mirror(box, x, y, length);
        const auto row = [&](int y) {
            if (run.left + length >= run.right) {
                writer.Span(run.left, y, run.right + length - run.left);
                return;
            }
            writer.Span(run.left, y, length);
            writer.Span(run.right, y, length);
        };
        row(run.lower);
        if (run.upper != run.lower)
            row(run.upper);
    });
}

void MidpointFill(const IntegralBox& box, SpanWriter& writer)
{
    WalkQuarter(box, [&](int x, int y, int length) {
        if (length <= 0)
            return;
        const MirroredRun run = Mirror(box, x, y, length);
        const int from = run.left + length - 1;
        if (from + 1 >= run.right)
            return;
        writer.Span(from, run.lower, run.right - from);
        if (run.upper != run.lower)
            writer.Span(from, run.upper, run.right - from);
    });
}

} // namespace platform::raster
