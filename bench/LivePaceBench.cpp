// The pace of a run in a real window: the default run with the real sleeps
// and the real dispatch step for a number of seconds (the argument), and
// what a pass costs in CPU time, the program's own and the display server's.
//
// Meant for a real X server: bench/live-pace starts one (Xvfb), runs this
// program in it and tells it the server's process; on any other platform it
// measures the program alone. The counters:
//   passes_per_s         passes of the run loop per second of wall time;
//   program_cpu_us       the program's CPU time (user + system) per pass;
//   program_sys_us       the part of it spent in the kernel;
//   server_cpu_us        the server's CPU time per pass, when
//                        KYVADLO_DISPLAY_SERVER_PID names its process.
// Wall time depends on what else the machine runs; the CPU times much less.
#include "app/Unit1.h"
#include "bench/GuiBenchmarkMain.h"
#include "bench/WindowBenchSupport.h"
#include "platform/qt/RunLoop.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;
using window_bench::FailingErrorBox;

// CPU seconds the calling process has used in the kernel, and in all.
struct OwnCpu {
    double system = 0;
    double total = 0;
};
OwnCpu OwnCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return {seconds(usage.ru_stime), seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// CPU seconds of another process (user + system, from /proc), or none.
std::optional<double> ProcessCpuSeconds(const QByteArray& pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    if (fields.size() < 13)
        return std::nullopt;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / ticks;
}

// The CPU times of the program and the server at one moment.
struct CpuReading {
    Clock::time_point wall;
    OwnCpu program;
    std::optional<double> server;

    static CpuReading Now(const QByteArray& serverPid)
    {
        return {Clock::now(), OwnCpuSeconds(), ProcessCpuSeconds(serverPid)};
    }
};

// The real sleeps and the real dispatch step; it counts the passes and
// stops the run once the given time has gone by since the first pass ended.
class TimedRunLoop final : public platform::RunLoop {
public:
    TimedRunLoop(std::chrono::seconds duration, QByteArray serverPid)
        : duration_(duration)
        , serverPid_(std::move(serverPid))
    {
    }

    std::function<void()> stop;
    std::optional<CpuReading> first;
    std::optional<CpuReading> last;
    long passes = 0;

    void Sleep(int milliseconds) override { system_.Sleep(milliseconds); }

    void DispatchPending() override
    {
        system_.DispatchPending();
        ++dispatches_;
        // The first dispatch shows the first frame, before the second's hold;
        // the next ends the run's first pass.
        if (dispatches_ < 2 || last)
            return;
        if (!first) {
            first = CpuReading::Now(serverPid_);
            return;
        }
        ++passes;
        if (Clock::now() - first->wall >= duration_) {
            last = CpuReading::Now(serverPid_);
            stop();
        }
    }

private:
    platform::SystemRunLoop system_;
    std::chrono::seconds duration_;
    QByteArray serverPid_;
    long dispatches_ = 0;
};

void BM_LivePace(benchmark::State& state)
{
    const std::chrono::seconds duration(state.range(0));
    TimedRunLoop loop(duration, qgetenv("KYVADLO_DISPLAY_SERVER_PID"));
    FailingErrorBox errors(state);
    TForm1 form(loop, &errors, [] { return QLocale::c(); });
    loop.stop = [&form] { form.Button2Click(form.Button2); };
    form.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.Button1->click();
        if (!loop.first || !loop.last || loop.passes == 0) {
            state.SkipWithError("the run ended before it was measured");
            return;
        }
        const double wall = std::chrono::duration<double>(loop.last->wall - loop.first->wall).count();
        state.SetIterationTime(wall);
        const double passes = static_cast<double>(loop.passes);
        state.counters["passes"] = passes;
        state.counters["passes_per_s"] = passes / wall;
        state.counters["program_cpu_us"] = (loop.last->program.total - loop.first->program.total) / passes * 1e6;
        state.counters["program_sys_us"] = (loop.last->program.system - loop.first->program.system) / passes * 1e6;
        if (loop.first->server && loop.last->server)
            state.counters["server_cpu_us"] = (*loop.last->server - *loop.first->server) / passes * 1e6;
        state.counters["ratio"] = form.devicePixelRatioF();
    }
}
BENCHMARK(BM_LivePace)->Arg(20)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
