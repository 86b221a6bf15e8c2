#include "web/core/RunRecord.h"

namespace web {

void RunRecord::SetStartRanges()
{
    if (chart_ != nullptr)
        chart_->SetStartRanges();
}

void RunRecord::AddRunSeries(int seriesIndex)
{
    series_.push_back(Series{seriesIndex, {}, {}});
    if (chart_ != nullptr)
        chart_->AddRunSeries(seriesIndex);
}

void RunRecord::AddPoint(int seriesIndex, double time, double degrees)
{
    // Slot i holds the chart's i-th series.
    Series& series = series_.at(static_cast<std::size_t>(seriesIndex));
    series.times.push_back(time);
    series.degrees.push_back(degrees);
    if (chart_ != nullptr)
        chart_->AddPoint(seriesIndex, time, degrees);
}

void RunRecord::FollowDataPastStartRange(double time)
{
    if (chart_ != nullptr)
        chart_->FollowDataPastStartRange(time);
}

void RunRecord::RemoveAllSeries()
{
    series_.clear();
    if (chart_ != nullptr)
        chart_->RemoveAllSeries();
}

} // namespace web
