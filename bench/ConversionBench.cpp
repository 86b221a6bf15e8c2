// Cost of converting the text of an edit field to a number.
#include "platform/Exceptions.h"
#include "platform/NumberConversion.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void ConvertText(benchmark::State& loop, const QString& text)
{
    for (auto _ : loop)
        benchmark::DoNotOptimize(platform::TextToDouble(text, u'.'));
}
BENCHMARK_CAPTURE(ConvertText, short, QStringLiteral("0.8"));
BENCHMARK_CAPTURE(ConvertText, spaces_and_exponent, QStringLiteral("  -1.2345e-3  "));
BENCHMARK_CAPTURE(ConvertText, seventeen_digits, QStringLiteral("0.12345678901234567"));
BENCHMARK_CAPTURE(ConvertText, thousand_digits, QStringLiteral("1.") + QString(1000, u'7'));

void RefuseText(benchmark::State& loop)
{
    const QString text = QStringLiteral("0,8");
    for (auto _ : loop) {
        try {
            benchmark::DoNotOptimize(platform::TextToDouble(text, u'.'));
        } catch (const ConversionError& error) {
            benchmark::DoNotOptimize(error.what());
        }
    }
}
BENCHMARK(RefuseText);

} // namespace

BENCHMARK_MAIN();
