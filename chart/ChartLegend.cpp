#include "chart/ChartLegend.h"

#include "chart/ChartPanel.h"

void TChartLegend::SetVisible(bool value)
{
    chart_.StoreSetting(visible_, value);
}
