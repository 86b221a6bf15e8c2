// Cost of the integration step and of its pieces.
#include "model/AngleConversion.h"
#include "model/ExtendedTrigonometry.h"
#include "model/PendulumState.h"
#include "platform/SoftExtendedTrigonometry.h"
#include "tests/model/PendulumTestSupport.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using model_testing::defaultPendulum;

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
        benchmark::DoNotOptimize(model::ChartDegrees(state.Fi));
    }
}
BENCHMARK(StepAndChartDegrees);

void ExtendedSine(benchmark::State& loop)
{
    double angle = 0.1;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(model::ExtendedSine(angle));
        angle += 1e-3;
    }
}
BENCHMARK(ExtendedSine);

// The sine that stands in for FSIN where the processor has none.
void SoftwareSine(benchmark::State& loop)
{
    double angle = 0.1;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(platform::Sine(angle));
        angle += 1e-3;
    }
}
BENCHMARK(SoftwareSine);

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
