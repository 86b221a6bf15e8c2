#pragma once

#include "model/RunInputs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace model {
struct PendulumState;
}

namespace cli {

using RunInputs = model::RunInputs;

// One recorded point of a run: the window's chart point (time [s], angle
// [degrees]) and, of the same model state, the angular velocity [rad/s] and
// the mechanical energy [J].
struct Sample {
    double time = 0.0;
    double degrees = 0.0;
    double omega = 0.0;
    double energy = 0.0;
};

// How a run ended: the points it recorded, the model's time after its last
// completed pass (the time the window's axis check saw last), and the
// message of the model fault that ended it early, if one did.
struct RunEnd {
    std::int64_t points = 0;
    double time = 0.0;
    std::optional<std::string> fault;
};

// Receives the runs as they are simulated, one sample at a time.
class RunObserver {
public:
    virtual ~RunObserver() = default;

    // run counts from 0 in the order of the runs.
    virtual void BeginRun(int run, const RunInputs& inputs) = 0;
    virtual void AddSample(const Sample& sample) = 0;
    virtual void EndRun(const RunEnd& end) = 0;
};

// Passes everything on to several observers, in the order they were added.
class ObserverList final : public RunObserver {
public:
    void Add(RunObserver& observer) { observers_.push_back(&observer); }

    void BeginRun(int run, const RunInputs& inputs) override;
    void AddSample(const Sample& sample) override;
    void EndRun(const RunEnd& end) override;

private:
    std::vector<RunObserver*> observers_;
};

// E = J w^2 / 2 + m g a (1 - cos fi) of a model state, in extended precision
// from the double sine of fi / 2, with 1 - cos fi taken as 2 sin^2(fi / 2),
// so that small angles keep their digits. A value beyond the double range comes out infinite, not as a fault:
// the energy is only looked at, the model never uses it.
double MechanicalEnergy(const model::PendulumState& pendulum);

// The energy of the run's start state (the body at rest at its start angle).
double StartEnergy(const RunInputs& inputs);

// Runs the pendulum as the window's "Start" does and hands the points the
// window's chart would record to the observer, bit for bit: the start values,
// one step for the first frame, then one pass per point until `points` are
// recorded. A model fault ends the run where the window's run would end,
// with the points before it kept; it is reported in the result, not thrown.
// Failures of the observer itself leave as exceptions.
RunEnd SimulateRun(const RunInputs& inputs, std::int64_t points, RunObserver& observer);

} // namespace cli
