#pragma once

#include "chart/LineCoverage.h"
#include "platform/Point.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

// Turns the pixels of a polyline, point after point, into strips for the
// canvas's one-pixel lines (each strip a MoveTo and LineTos), drawing what
// drawing a segment from each point to the next draws:
// - a point on the pixel of the point before it is left out (that segment
//   would draw nothing);
// - with column merging, the segments that run up and down one column one
//   after the other become a single vertical line over the rows they set
//   together. Only for plain pens (solid, one pixel, copy mode), where a pixel
//   set twice looks as a pixel set once;
// - with a coverage, a segment (or merged line) whose pixels the coverage
//   already holds is left out, and the pixels of every kept one are added to
//   it (see TLineCoverage).
//
// A vertical line from (x, y0) sets the rows from y0 towards y1, y1 excluded.
// A chain of such lines through the rows y0, y1, ..., yk of one column (no two
// neighbours equal) therefore sets every row between the lowest and the
// highest of y0 .. yk, except yk itself when no earlier point of the chain
// reaches it: it ends beyond all of them.
class TLineStripBuilder {
public:
    // Starts a new polyline at first; forgets the strips built before.
    void Start(platform::Point first, bool mergeColumns, TLineCoverage* coverage)
    {
        points_.clear();
        ends_.clear();
        last_ = first;
        merge_ = mergeColumns;
        coverage_ = coverage;
        chainLow_ = INT_MAX;
        chainHigh_ = INT_MIN;
        stripOpen_ = false;
    }

    // Add for each (xs[i], ys[i]) in turn.
    void AddAll(std::span<const int> xs, std::span<const int> ys)
    {
        const std::size_t count = std::min(xs.size(), ys.size());
        std::size_t i = 0;
        while (i < count) {
            if (merge_ && xs[i] == last_.x) {
                i = ExtendColumn(xs.data(), ys.data(), i, count);
            } else {
                Add(platform::Point(xs[i], ys[i]));
                ++i;
            }
        }
    }

    // The segment from the last point to p.
    void Add(platform::Point p)
    {
        if (p == last_)
            return;
        if (merge_ && p.x == last_.x) {
            // One more row step in the column: the point left behind joins
            // the rows the chain has passed.
            chainLow_ = std::min(chainLow_, last_.y);
            chainHigh_ = std::max(chainHigh_, last_.y);
            last_ = p;
            return;
        }
        FlushColumn();
        Segment(last_, p);
        last_ = p;
    }

    // Ends the polyline; the strips are then complete.
    void Finish()
    {
        FlushColumn();
        CloseStrip();
    }

    // The point added last that was not left out as a repeat.
    platform::Point Last() const { return last_; }

    // The strips, one after the other, and the end of each in Points().
    std::span<const platform::Point> Points() const { return points_; }
    std::span<const std::size_t> Ends() const { return ends_; }

    // Makes room for the strips of about this many points.
    void Reserve(std::size_t points) { points_.reserve(points); }

private:
    // Add for the points from index i on while they stay in the column of
    // last_, with the chain in locals; returns the index of the first point
    // in another column (or count).
    std::size_t ExtendColumn(const int* xs, const int* ys, std::size_t i, std::size_t count)
    {
        const int x = last_.x;
        int lastY = last_.y;
        int low = chainLow_;
        int high = chainHigh_;
        for (; i < count && xs[i] == x; ++i) {
            const int y = ys[i];
            if (y == lastY)
                continue;
            low = std::min(low, lastY);
            high = std::max(high, lastY);
            lastY = y;
        }
        last_.y = lastY;
        chainLow_ = low;
        chainHigh_ = high;
        return i;
    }

    // The merged line of the column chain that ends at last_, if one is open.
    void FlushColumn()
    {
        if (chainLow_ > chainHigh_)
            return;
        const int chainLow = std::exchange(chainLow_, INT_MAX);
        const int chainHigh = std::exchange(chainHigh_, INT_MIN);
        const int end = last_.y;
        const int top = end < chainLow ? end + 1 : chainLow;
        // Kept below INT_MAX, so that the exclusive end fits; rows that far
        // out lie on no surface.
        const int bottom = std::min(end > chainHigh ? end - 1 : chainHigh, INT_MAX - 1);
        CloseStrip();
        Segment(platform::Point(last_.x, top), platform::Point(last_.x, bottom + 1));
        CloseStrip();
    }

    void Segment(platform::Point from, platform::Point to)
    {
        if (coverage_ != nullptr) {
            if (!coverage_->AddUnlessCovered(from, to)) {
                CloseStrip();
                return;
            }
        }
        if (!stripOpen_ || points_.back() != from) {
            CloseStrip();
            points_.push_back(from);
            stripOpen_ = true;
        }
        points_.push_back(to);
    }

    void CloseStrip()
    {
        if (stripOpen_)
            ends_.push_back(points_.size());
        stripOpen_ = false;
    }

    std::vector<platform::Point> points_;
    std::vector<std::size_t> ends_;
    platform::Point last_;
    bool merge_ = false;
    TLineCoverage* coverage_ = nullptr;
    bool stripOpen_ = false;
    // The column chain: the lowest and highest row of its points before
    // last_; none (low above high) while last_ starts no chain.
    int chainLow_ = INT_MAX;
    int chainHigh_ = INT_MIN;
};
