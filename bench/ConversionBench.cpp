// Cost of converting the text of an edit field to a number.
#include "platform/Exceptions.h"
#include "platform/NumberConversion.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void ConvertText(benchmark::State& loop, const std::string& text)
{
    for (auto _ : loop)
        benchmark::DoNotOptimize(platform::TextToDouble(text, "."));
}
BENCHMARK_CAPTURE(ConvertText, short, std::string("0.8"));
BENCHMARK_CAPTURE(ConvertText, spaces_and_exponent, std::string("  -1.2345e-3  "));
BENCHMARK_CAPTURE(ConvertText, seventeen_digits, std::string("0.12345678901234567"));
BENCHMARK_CAPTURE(ConvertText, thousand_digits, "1." + std::string(1000, '7'));

void RefuseText(benchmark::State& loop)
{
    const std::string text = "0,8";
    for (auto _ : loop) {
        try {
            benchmark::DoNotOptimize(platform::TextToDouble(text, "."));
        } catch (const ConversionError& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}
BENCHMARK(RefuseText);

} // namespace

BENCHMARK_MAIN();
