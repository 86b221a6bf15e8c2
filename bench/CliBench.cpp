// kyvadlo-run's output of 10^6 points of the default run: the data as CSV
// into memory and to /dev/null, JSON to /dev/null, the whole program, and the
// simulation and the summary alone for the breakdown. Goal: at most 0.3 s
// per 10^6 points.
#include "cli/CsvWriter.h"
#include "cli/JsonWriter.h"
#include "cli/OutputBuffer.h"
#include "cli/Program.h"
#include "cli/RunSummary.h"
#include "cli/Simulation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr std::int64_t Points = 1'000'000;
constexpr cli::RunInputs DefaultRun{0.8, 0.05, 10.0};

// Observes nothing: what the model, the sample and the energy cost.
class Discard final : public cli::RunObserver {
public:
    void BeginRun(int /*run*/, const cli::RunInputs& /*inputs*/) override {}
    void AddSample(const cli::Sample& sample) override { benchmark::DoNotOptimize(sample); }
    void EndRun(const cli::RunEnd& /*end*/) override {}
};

void WriteRun(cli::DataWriter& writer, cli::OutputBuffer& buffer)
{
    writer.BeginDocument();
    writer.BeginRun(0, DefaultRun);
    writer.EndRun(cli::SimulateRun(DefaultRun, Points, writer));
    writer.EndDocument();
    buffer.Flush();
}

// Closes the stream when the benchmark ends.
struct StreamCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using Stream = std::unique_ptr<std::FILE, StreamCloser>;

void BM_SimulateOnly(benchmark::State& state)
{
    Discard discard;
    for (auto _ : state)
        benchmark::DoNotOptimize(cli::SimulateRun(DefaultRun, Points, discard));
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_SimulateOnly)->Unit(benchmark::kMillisecond);

void BM_Summary(benchmark::State& state)
{
    for (auto _ : state) {
        cli::SummaryRecorder summary;
        summary.BeginRun(0, DefaultRun);
        summary.EndRun(cli::SimulateRun(DefaultRun, Points, summary));
        benchmark::DoNotOptimize(summary.Runs());
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_Summary)->Unit(benchmark::kMillisecond);

void BM_CsvInMemory(benchmark::State& state)
{
    // Room for the whole text from the start: the figure is the writing,
    // not the string's growth.
    cli::StringSink sink;
    sink.text.reserve(100'000'000);
    for (auto _ : state) {
        sink.text.clear();
        cli::OutputBuffer buffer(sink);
        cli::CsvWriter writer(buffer);
        WriteRun(writer, buffer);
        benchmark::DoNotOptimize(sink.text.data());
    }
    state.SetItemsProcessed(state.iterations() * Points);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(sink.text.size()));
}
BENCHMARK(BM_CsvInMemory)->Unit(benchmark::kMillisecond);

void BM_CsvToDevNull(benchmark::State& state)
{
    const Stream null(std::fopen("/dev/null", "wb"));
    for (auto _ : state) {
        cli::FileSink sink(null.get(), "/dev/null");
        cli::OutputBuffer buffer(sink);
        cli::CsvWriter writer(buffer);
        WriteRun(writer, buffer);
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_CsvToDevNull)->Unit(benchmark::kMillisecond);

void BM_JsonToDevNull(benchmark::State& state)
{
    const Stream null(std::fopen("/dev/null", "wb"));
    for (auto _ : state) {
        cli::FileSink sink(null.get(), "/dev/null");
        cli::OutputBuffer buffer(sink);
        cli::JsonWriter writer(buffer, nullptr);
        WriteRun(writer, buffer);
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_JsonToDevNull)->Unit(benchmark::kMillisecond);

// The whole program as started with --points 1000000 --output /dev/null
// --summary, the summary table going to /dev/null too.
void BM_ProgramToDevNull(benchmark::State& state)
{
    const Stream null(std::fopen("/dev/null", "wb"));
    for (auto _ : state) {
        const int status =
            cli::RunProgram({"--points", "1000000", "--output", "/dev/null", "--summary"}, null.get(), null.get());
        if (status != cli::ExitSuccess)
            state.SkipWithError("the program failed");
    }
    state.SetItemsProcessed(state.iterations() * Points);
}
BENCHMARK(BM_ProgramToDevNull)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
