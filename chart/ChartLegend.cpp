#include "chart/ChartLegend.h"

#include "chart/ChartPanel.h"

void TChartLegend::SetVisible(bool value)
{
    if (visible_ == value)
        return;
    visible_ = value;
    chart_.RequestRepaint();
}
