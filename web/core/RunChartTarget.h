#pragma once

// The chart as the run control uses it, one operation for each thing a run
// does to the window's chart. Where the chart engine stands behind it, each
// operation is the runchart set-up the desktop window applies (start ranges,
// the run's series in its slot's colour, following the data past 3 s), so the
// browser's chart cannot drift from the desktop's. Every change asks the chart
// for a repaint; the page shows it at the next dispatch step.
namespace web {

class RunChartTarget {
public:
    virtual ~RunChartTarget() = default;

    // Both axes manual, the angle axis at -15 .. 15 degrees and the time axis
    // at 0 .. 3 s.
    virtual void SetStartRanges() = 0;
    // A new series for the run in the given slot (0 or more), in the slot's
    // colour, attached as the chart's last series.
    virtual void AddRunSeries(int seriesIndex) = 0;
    // A point at the end of the series in the given slot.
    virtual void AddPoint(int seriesIndex, double time, double degrees) = 0;
    // The check at the end of every pass, with the run's time after it: past
    // 3 s the time axis follows the data.
    virtual void FollowDataPastStartRange(double time) = 0;
    // Removes every series of the runs.
    virtual void RemoveAllSeries() = 0;
};

} // namespace web
