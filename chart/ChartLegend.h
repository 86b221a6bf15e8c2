#pragma once

class TCustomChartPanel;

// The chart's legend. This chart never draws it; what it decides is whether
// the legend counts as shown, which changes the order of the title blocks.
class TChartLegend {
public:
    explicit TChartLegend(TCustomChartPanel& chart)
        : chart_(chart)
    {
    }
    TChartLegend(const TChartLegend&) = delete;
    TChartLegend& operator=(const TChartLegend&) = delete;

    bool Visible() const { return visible_; }
    // A different value asks the chart to repaint.
    void SetVisible(bool value);

private:
    TCustomChartPanel& chart_;
    bool visible_ = true;
};
