#include "runchart/RunChart.h"

#include "chart/CustomChart.h"

namespace runchart {

void ConfigureRunChart(TCustomChart& chart)
{
    chart.BackWall().Brush().SetColor(clWhite);
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.Title().SetText({"Graf"});
    chart.BottomAxis().Title().SetCaption("t [s]");
    chart.LeftAxis().Title().SetCaption("fi [°]");
    chart.Legend().SetVisible(false);
    chart.SetView3D(false);
}

TColor CurveColor(int seriesIndex)
{
    switch (seriesIndex % 4) {
    case 0:
        return clRed;
    case 1:
        return clGreen;
    case 2:
        return clBlue;
    default:
        return clBlack;
    }
}

void AttachRunSeries(TChartSeries& series, int seriesIndex, TCustomAxisPanel& chart)
{
    series.SetSeriesColor(CurveColor(seriesIndex));
    series.SetParentChart(&chart);
}

} // namespace runchart
