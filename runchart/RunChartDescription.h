#pragma once

#include "description/ChartDescription.h"
#include "model/RunInputs.h"

#include <optional>
#include <vector>

class TCustomAxisPanel;

namespace runchart {

// The inputs of the runs by series index; none where a run's start failed
// before reading them.
using RunInputsList = std::vector<std::optional<model::RunInputs>>;

// What the chart of the runs shows: the bottom and left axes with their
// titles and the ranges the next paint shows, and each series as a run with
// its inputs and the figures model::SwingRecorder gives for its points. The
// series at runningIndex is the run that goes on; -1 when none does.
description::ChartView ViewOfRunChart(const TCustomAxisPanel& chart, const RunInputsList& inputs, int runningIndex);

} // namespace runchart
