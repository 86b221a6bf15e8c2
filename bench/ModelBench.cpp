// Cost of the integration step and of its pieces.
#include "model/AngleConversion.h"
#include "model/ExtendedTrigonometry.h"
#include "model/PendulumState.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

model::PendulumState defaultPendulum()
{
    model::PendulumState state;
    state.Length = 0.8;
    state.Fi0 = model::startAngleFromDegrees(10.0);
    state.TimeStep = model::standardTimeStep;
    state.Mass = model::standardMass;
    state.Gravity = model::standardGravity;
    state.Fi = state.Fi0;
    state.Inertia = 0.05;
    return state;
}

void AdvanceStep(benchmark::State& loop)
{
    model::PendulumState state = defaultPendulum();
    for (auto _ : loop) {
        state.AdvanceStep();
        benchmark::DoNotOptimize(state.Fi);
    }
}
BENCHMARK(AdvanceStep);

// One pass of a run as far as the model goes: a step and the angle for the chart.
void StepAndChartDegrees(benchmark::State& loop)
{
    model::PendulumState state = defaultPendulum();
    for (auto _ : loop) {
        state.AdvanceStep();
        benchmark::DoNotOptimize(model::chartDegrees(state.Fi));
    }
}
BENCHMARK(StepAndChartDegrees);

void ExtendedSine(benchmark::State& loop)
{
    double angle = 0.1;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(model::extendedSine(angle));
        angle += 1e-3;
    }
}
BENCHMARK(ExtendedSine);

void LibrarySineLongDouble(benchmark::State& loop)
{
    double angle = 0.1;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(std::sin(static_cast<long double>(angle)));
        angle += 1e-3;
    }
}
BENCHMARK(LibrarySineLongDouble);

} // namespace

BENCHMARK_MAIN();
