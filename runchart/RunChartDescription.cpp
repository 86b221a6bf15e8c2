#include "runchart/RunChartDescription.h"

#include "chart/AxisPanel.h"
#include "model/SwingRecorder.h"

namespace runchart {

namespace {

description::AxisView ViewOfAxis(const TCustomChartAxis& axis)
{
    return {axis.Title().Caption(), axis.NextRangeMin(), axis.NextRangeMax()};
}

// The swing is measured about the rest position its start gives; without
// the inputs the first point stands for the start.
description::RunView ViewOfRun(const TChartSeries& series, const std::optional<model::RunInputs>& inputs)
{
    model::SwingRecorder swing = inputs ? model::SwingRecorder(*inputs) : model::SwingRecorder();
    const TChartValueList& times = series.XValues();
    const TChartValueList& angles = series.YValues();
    for (int i = 0; i < series.PointCount(); ++i)
        swing.Add(times.ValueAt(i), angles.ValueAt(i));
    description::RunView run;
    run.colour = series.SeriesColor();
    run.inputs = inputs;
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
        const auto slot = static_cast<std::size_t>(i);
        description::RunView run = ViewOfRun(*chart.SeriesAt(i), slot < inputs.size() ? inputs[slot] : std::nullopt);
        run.running = i == runningIndex;
        view.runs.push_back(std::move(run));
    }
    return view;
}

} // namespace runchart
