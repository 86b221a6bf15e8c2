#pragma once

#include "cli/Simulation.h"
#include "model/Measure.h"
#include "model/SwingRecorder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cli {

using model::Measure;

// What the summary tells about one run.
struct RunSummary {
    RunInputs inputs;
    std::int64_t points = 0;
    // The largest |angle| of the samples [degrees].
    Measure amplitude;
    // From the samples' zero crossings [s]; crossings counts them.
    Measure measuredPeriod;
    std::int64_t crossings = 0;
    Measure smallAnglePeriod;
    Measure exactPeriod;
    // (measured - exact) / exact.
    Measure periodDeviation;
    // The energy of the start state [J], and the largest |E - E0| / |E0| of
    // the samples.
    double startEnergy = 0.0;
    Measure energyDeviation;
    // The message of the model fault that ended the run, if one did.
    std::optional<std::string> fault;
};

// Works the summary out while the samples stream past: nothing of a run is
// kept but a few running values, whatever its length.
class SummaryRecorder final : public RunObserver {
public:
    void BeginRun(int run, const RunInputs& inputs) override;
    void AddSample(const Sample& sample) override;
    void EndRun(const RunEnd& end) override;

    // The summaries of the runs ended so far, in run order.
    const std::vector<RunSummary>& Runs() const { return runs_; }

private:
    RunInputs inputs_;
    double startEnergy_ = 0.0;
    long double largestEnergyChange_ = 0.0L;
    bool energyOutOfRange_ = false;
    model::SwingRecorder swing_;
    std::vector<RunSummary> runs_;
};

} // namespace cli
