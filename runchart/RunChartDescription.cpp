#include "runchart/RunChartDescription.h"

#include "chart/AxisPanel.h"
#include "model/SwingRecorder.h"

namespace runchart {

namespace {

description::AxisView ViewOfAxis(const TCustomChartAxis& axis)
{
    return {axis.Title().Caption().toStdString(), axis.NextRangeMin(), axis.NextRangeMax()};
}

description::RunView ViewOfRun(const TChartSeries& series)
{
    model::SwingRecorder swing;
    const TChartValueList& times = series.XValues();
    const TChartValueList& angles = series.YValues();
    for (int i = 0; i < series.PointCount(); ++i)
        swing.Add(times.ValueAt(i), angles.ValueAt(i));
    description::RunView run;
    run.colour = series.SeriesColor();
    run.points = swing.Points();
    run.amplitude = swing.Amplitude();
    run.period = swing.Period();
    return run;
}

} // namespace

description::ChartView ViewOfRunChart(const TCustomAxisPanel& chart, const RunInputsList& inputs, int runningIndex)
{
    description::ChartView view{ViewOfAxis(chart.BottomAxis()), ViewOfAxis(chart.LeftAxis()), {}};
    for (int i = 0; i < chart.NumberOfSeries(); ++i) {
        description::RunView run = ViewOfRun(*chart.SeriesAt(i));
        if (static_cast<std::size_t>(i) < inputs.size())
            run.inputs = inputs[static_cast<std::size_t>(i)];
        run.running = i == runningIndex;
        view.runs.push_back(std::move(run));
    }
    return view;
}

} // namespace runchart
