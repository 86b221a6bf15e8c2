#include "web/core/PageChart.h"

#include "platform/DeviceMapping.h"
#include "runchart/RunAxes.h"
#include "runchart/RunChart.h"

#include <algorithm>
#include <utility>

namespace web {

PageChart::PageChart()
{
    runchart::ConfigureRunChart(*this);
    SetWindowCanvas(&canvas_);
    SetHost(this);
    Resize(runchart::ChartWidth, runchart::ChartHeight, 1.0);
}

PageChart::~PageChart()
{
    // The chart's parts outlive this level: cut them off the window first.
    SetHost(nullptr);
    SetWindowCanvas(nullptr);
}

void PageChart::Resize(int width, int height, double ratio)
{
    if (width == width_ && height == height_ && ratio == picture_.Ratio() && !picture_.IsEmpty())
        return;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    MakePicture(ratio);
    answerPending_ = true;
    RequestRepaint();
}

void PageChart::MakePicture(double ratio)
{
    canvas_.Unbind();
    const platform::DeviceMapping mapping{ratio};
    picture_ = platform::PixelBuffer(mapping.Size(std::max(1, width_)), mapping.Size(std::max(1, height_)), ratio);
    BindCanvas(canvas_, picture_);
    picture_.Fill(canvas_.Resolve(Color()));
}

void PageChart::SetStartRanges()
{
    runchart::SetStartRanges(*this);
}

void PageChart::AddRunSeries(int seriesIndex)
{
    series_.push_back(std::make_unique<TFastLineSeries>());
    runchart::AttachRunSeries(*series_.back(), seriesIndex, *this);
}

void PageChart::AddPoint(int seriesIndex, double time, double degrees)
{
    if (seriesIndex >= 0 && seriesIndex < static_cast<int>(series_.size()))
        series_[static_cast<std::size_t>(seriesIndex)]->AddPoint(time, degrees, {}, clDefault);
}

void PageChart::FollowDataPastStartRange(double time)
{
    runchart::FollowDataPastStartRange(*this, time);
}

void PageChart::RemoveAllSeries()
{
    // Each series takes itself off the chart as it goes, which repaints.
    series_.clear();
}

bool PageChart::Paint()
{
    Answer();
    return std::exchange(unshown_, false);
}

void PageChart::Answer()
{
    if (!answerPending_ && !flushPending_)
        return;
    if (answerPending_ && width_ > 0 && height_ > 0) {
        answerPending_ = false;
        // No exception may leave into the page.
        HandlePaintReportingFailure();
    }
    flushPending_ = false;
    unshown_ = true;
}

} // namespace web
