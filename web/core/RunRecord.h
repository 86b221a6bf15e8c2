#pragma once

#include "web/core/RunChartTarget.h"

#include <vector>

namespace web {

// The chart's series as the runs filled them: what the page's test hook
// returns. Passes every operation on to the chart behind it, if there is one.
class RunRecord final : public RunChartTarget {
public:
    struct Series {
        int seriesIndex = 0;
        std::vector<double> times;
        std::vector<double> degrees;
    };

    explicit RunRecord(RunChartTarget* chart = nullptr)
        : chart_(chart)
    {
    }

    void SetStartRanges() override;
    void AddRunSeries(int seriesIndex) override;
    void AddPoint(int seriesIndex, double time, double degrees) override;
    void FollowDataPastStartRange(double time) override;
    void RemoveAllSeries() override;

    // The series in the chart's order, which is the order of their slots.
    const std::vector<Series>& SeriesList() const { return series_; }

private:
    RunChartTarget* chart_;
    std::vector<Series> series_;
};

} // namespace web
