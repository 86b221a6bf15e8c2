#include "runchart/RunAxes.h"

#include "chart/AxisPanel.h"

namespace runchart {

void SetStartRanges(TCustomAxisPanel& chart)
{
    TChartAxis& bottomAxis = chart.BottomAxis();
    TChartAxis& leftAxis = chart.LeftAxis();
    bottomAxis.SetAutomatic(false);
    leftAxis.SetAutomatic(false);
    leftAxis.SetMaximum(AngleAxisEnd);
    leftAxis.SetMinimum(-AngleAxisEnd);
    bottomAxis.SetMaximum(TimeAxisEnd);
    bottomAxis.SetMinimum(0.0);
}

void FollowDataPastStartRange(TCustomAxisPanel& chart, double time)
{
    if (time > TimeAxisEnd && !chart.BottomAxis().Automatic())
        chart.BottomAxis().SetAutomatic(true);
}

} // namespace runchart
