#pragma once

#include "cli/Program.h"
#include "cli/Simulation.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace cli_testing {

// What a program run printed and returned.
struct Captured {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(std::FILE* file)
{
    std::string text;
    std::rewind(file);
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
        text.append(block, n);
    std::fclose(file);
    return text;
}

// kyvadlo-run in this process, its standard streams caught in files.
inline Captured RunInProcess(const std::vector<std::string>& arguments)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Captured captured;
    captured.status = cli::RunProgram(arguments, out, err);
    captured.out = ReadAll(out);
    captured.err = ReadAll(err);
    return captured;
}

// Keeps every sample and how each run ended.
class SampleCollector final : public cli::RunObserver {
public:
    void BeginRun(int /*run*/, const cli::RunInputs& /*inputs*/) override { samples.clear(); }
    void AddSample(const cli::Sample& sample) override { samples.push_back(sample); }
    void EndRun(const cli::RunEnd& runEnd) override { end = runEnd; }

    std::vector<cli::Sample> samples;
    cli::RunEnd end;
};

// The rows of CSV text after its header, every field read back as a double.
inline std::vector<std::vector<double>> CsvRows(const std::string& text)
{
    std::vector<std::vector<double>> rows;
    std::size_t at = text.find('\n') + 1;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        std::vector<double> row;
        for (std::size_t field = at; field < end;) {
            double value = 0.0;
            const auto result = std::from_chars(text.data() + field, text.data() + end, value);
            EXPECT_EQ(result.ec, std::errc()) << text.substr(at, end - at);
            row.push_back(value);
            field = static_cast<std::size_t>(result.ptr - text.data()) + 1;
        }
        rows.push_back(std::move(row));
        at = end + 1;
    }
    return rows;
}

inline SampleCollector Simulate(const cli::RunInputs& inputs, std::int64_t points)
{
    SampleCollector collector;
    collector.BeginRun(0, inputs);
    collector.EndRun(cli::SimulateRun(inputs, points, collector));
    return collector;
}

// Two doubles with the same bits (0 and -0 differ, NaNs with the same bits agree).
inline ::testing::AssertionResult SameBits(double expected, double actual)
{
    if (std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected " << expected << ", got " << actual << " (bits differ)";
}

} // namespace cli_testing
