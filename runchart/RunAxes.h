#pragma once

class TCustomAxisPanel;

// The axis ranges of the runs' chart: every run starts with fixed ranges, and
// the time axis follows the data once a run has passed its end.
namespace runchart {

// The ranges every run starts with.
inline constexpr double AngleAxisEnd = 15.0; // the left axis: -15 .. 15 degrees
inline constexpr double TimeAxisEnd = 3.0;   // the bottom axis: 0 .. 3 s

// Both axes manual, the left at -AngleAxisEnd .. AngleAxisEnd and the bottom
// at 0 .. TimeAxisEnd, whatever ranges a zoom or scroll left on them.
void SetStartRanges(TCustomAxisPanel& chart);

// The check at the end of every pass, with the run's time after the pass:
// once the time exceeds TimeAxisEnd, the bottom axis turns automatic and
// follows the data of all series. The left axis stays as it is.
void FollowDataPastStartRange(TCustomAxisPanel& chart, double time);

} // namespace runchart
