#pragma once

#include "chart/ChartSeries.h"
#include "platform/ComponentOwner.h"
#include "platform/Exceptions.h"
#include "runchart/RunChart.h"

#include <array>

// The table of per-run series has room for this many runs between two uses of "Clear".
inline constexpr int SeriesSlotCount = runchart::MaxRuns;

// What the handlers of the main window share about the runs: one instance for
// the whole program, used by every handler and every nested run.
struct RunState {
    // Extra sleep per animation frame in milliseconds: 0, or 50 with "pomalu".
    int Delay = 0;
    // The slot of the current run's series; -1 when there is none.
    int SeriesIndex = 0;
    // Set by "Stop"; a run ends at the end of the pass that finds it set.
    bool StopFlag = false;
    // Slot i holds the series of the (i+1)-th run since the last "Clear". The
    // window owns the series; a slot whose series is gone reads as null.
    std::array<platform::ComponentPointer<TChartSeries>, SeriesSlotCount> SeriesSlots{};
};

// "Start" with every slot taken since the last "Clear".
class SeriesSlotsFull : public KyvadloError {
public:
    SeriesSlotsFull();
};
