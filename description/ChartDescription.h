#pragma once

#include "description/CzechNumbers.h"
#include "model/Measure.h"
#include "model/RunInputs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace description {

// One axis of the chart as it is shown: its title and its visible range.
struct AxisView {
    std::string title;
    double minimum = 0.0;
    double maximum = 0.0;
};

// One run's line on the chart.
struct RunView {
    // The colour of the line, $00BBGGRR (red in the low byte).
    std::uint32_t colour = 0;
    // What the run started from; none when its start failed before reading them.
    std::optional<model::RunInputs> inputs;
    std::int64_t points = 0;
    // The amplitude [degrees] and the measured period [s], as
    // model::SwingRecorder gives them from the line's points.
    model::Measure amplitude;
    model::Measure period;
    // The run goes on: its line may still grow.
    bool running = false;
};

// What the chart of the runs shows.
struct ChartView {
    AxisView horizontal;
    AxisView vertical;
    std::vector<RunView> runs;
};

// The chart told in Czech: the titles and visible ranges of both axes, then
// every run in chart order with its colour, its inputs, its number of points,
// its amplitude and, once the body has passed its rest position twice the
// same way, its measured period. For example:
//   Vodorovná osa „t [s]“ od 0 do 3, svislá osa „fi [°]“ od −15 do 15.
//   Graf ukazuje 1 běh. 1. běh, červená čára: a = 0,8 m, J = 0,05 kg·m²,
//   φ0 = 10°; 351 bodů, amplituda 9,53°, naměřená perioda 0,507 s.
std::string DescribeChart(const ChartView& chart, const NumberStyle& style);

// A run's line by its colour: "červená čára" for the four run colours,
// "čára barvy #RRGGBB" for any other.
std::string LineName(std::uint32_t colour);

} // namespace description
