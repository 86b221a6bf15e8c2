// The chart rectangle: what the axes claim around it, and the series' insets.
#include "chart/CustomChart.h"

#include <algorithm>

namespace {

// The common part of two rectangles; empty when they do not overlap.
TChartRect Intersection(const TChartRect& a, const TChartRect& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
        std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const TChartRect& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

} // namespace

void TCustomChart::LayoutAxes()
{
    for (TCustomChartAxis* axis : AxisList())
        axis->ComputeRange();
    // The chart draws flat: no depth.
    SetChartDepth(0);
    NormalizeChartArea();

    TChartRect r = ChartArea();
    for (TCustomChartAxis* axis : AxisList()) {
        if (!AxisIsShown(*axis))
            continue;
        TChartRect claimed = r;
        // Every axis of the list is one of the chart's own five.
        axis->ClaimAxisSpace(claimed, true);
        const TChartRect common = Intersection(claimed, r);
        // A claim that would leave nothing is not granted.
        if (!IsEmpty(common))
            r = common;
    }
    SetChartArea(r);

    for (TCustomChartAxis* axis : AxisList())
        axis->ComputePixelPositions();
}

void TCustomChart::ApplySeriesInsets()
{
    for (TCustomChartAxis* axis : {static_cast<TCustomChartAxis*>(&TopAxis()), static_cast<TCustomChartAxis*>(&LeftAxis()),
             static_cast<TCustomChartAxis*>(&RightAxis()), static_cast<TCustomChartAxis*>(&BottomAxis())}) {
        TChartRect inset;
        for (const TChartSeries* series : SeriesList()) {
            if (!series->Active() || !series->IsAssociatedWithAxis(*axis))
                continue;
            if (axis->IsHorizontal()) {
                int left = 0;
                int right = 0;
                series->HorizontalMargins(left, right);
                if (axis->AutomaticMinimum())
                    inset.left = std::max(inset.left, left);
                if (axis->AutomaticMaximum())
                    inset.right = std::max(inset.right, right);
            } else {
                int top = 0;
                int bottom = 0;
                series->VerticalMargins(top, bottom);
                if (axis->AutomaticMaximum())
                    inset.top = std::max(inset.top, top);
                if (axis->AutomaticMinimum())
                    inset.bottom = std::max(inset.bottom, bottom);
            }
        }
        axis->RefitRangeToInset(inset);
    }
}
