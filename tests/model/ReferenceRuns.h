#pragma once

#include "model/RunInputs.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Long runs of the model over inputs that reach every part of its
// arithmetic, recorded so that builds on different processors can be held
// against each other sample by sample.
namespace model_testing {

inline constexpr int referencePasses = 100000;
inline constexpr int passesPerBlock = 10000;

// The defaults, small to wide swings, the upright start, tiny and huge arms
// and inertias, and an unstable negative inertia.
const std::vector<model::RunInputs>& ReferenceInputs();

// What a pass leaves in the model and records: the angle and velocity after
// its step [rad, rad/s] and the angle the chart gets [degrees].
struct PassValues {
    double Fi = 0.0;
    double Omega = 0.0;
    double Degrees = 0.0;
};

// Runs the inputs as a run does (the step before the first frame, then the
// passes), handing each pass's values on, until the passes are done or the
// model faults; gives the fault's text, empty when there was none.
std::string RunReference(const model::RunInputs& inputs, const std::function<void(const PassValues&)>& pass);

// A 64-bit digest (FNV-1a) of the bits of the values of each block of passes.
std::vector<std::uint64_t> BlockDigests(const model::RunInputs& inputs);

} // namespace model_testing
