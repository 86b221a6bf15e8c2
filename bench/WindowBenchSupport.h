#pragma once

#include "app/ErrorBox.h"
#include "platform/qt/RunLoop.h"

#include <QString>

#include <benchmark/benchmark.h>

#include <functional>

// What the benchmarks that drive the main window share.
namespace window_bench {

// A failure ends the benchmark with its message instead of showing a box.
class FailingErrorBox final : public ErrorBox {
public:
    explicit FailingErrorBox(benchmark::State& state)
        : state_(state)
    {
    }

protected:
    void Present(const QString& /*caption*/, const QString& text) override
    {
        state_.SkipWithError(qPrintable(text));
    }

private:
    benchmark::State& state_;
};

// Sleeps cost nothing here; each dispatch step hands over to the benchmark.
class CallbackRunLoop final : public platform::RunLoop {
public:
    std::function<void()> onDispatch;

    void Sleep(int /*milliseconds*/) override {}
    void DispatchPending() override { onDispatch(); }
};

} // namespace window_bench
