#pragma once

#include <functional>
#include <utility>

// The marks of a series' points. This chart never draws marks; the object
// keeps the Visible switch that the chart asks before drawing them.
class TSeriesMarks {
public:
    explicit TSeriesMarks(std::function<void()> onChange)
        : onChange_(std::move(onChange))
    {
    }

    bool Visible() const { return visible_; }
    void SetVisible(bool value)
    {
        if (visible_ == value)
            return;
        visible_ = value;
        if (onChange_)
            onChange_();
    }

private:
    std::function<void()> onChange_;
    bool visible_ = false;
};
