#include "runchart/RunAxes.h"

#include "chart/AxisPanel.h"

namespace runchart {

namespace {

// Gives a manual axis the range minimum .. maximum through its checking
// setters, in the order in which neither refuses, whatever range the user
// left by zooming or scrolling: the maximum first unless it lies below the
// axis's present minimum (then the minimum first).
void SetAxisRange(TChartAxis& axis, double minimum, double maximum)
{
    if (maximum < axis.Minimum()) {
        axis.SetMinimum(minimum);
        axis.SetMaximum(maximum);
    } else {
        axis.SetMaximum(maximum);
        axis.SetMinimum(minimum);
    }
}

} // namespace

void SetStartRanges(TCustomAxisPanel& chart)
{
    TChartAxis& bottomAxis = chart.BottomAxis();
    TChartAxis& leftAxis = chart.LeftAxis();
    bottomAxis.SetAutomatic(false);
    leftAxis.SetAutomatic(false);
    SetAxisRange(leftAxis, -AngleAxisEnd, AngleAxisEnd);
    SetAxisRange(bottomAxis, 0.0, TimeAxisEnd);
}

void FollowDataPastStartRange(TCustomAxisPanel& chart, double time)
{
    if (time > TimeAxisEnd && !chart.BottomAxis().Automatic())
        chart.BottomAxis().SetAutomatic(true);
}

} // namespace runchart
