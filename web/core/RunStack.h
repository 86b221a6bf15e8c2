#pragma once

#include "model/PendulumState.h"
#include "web/core/StartFields.h"

#include <deque>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace web {

class RunChartTarget;
class RunHost;

// The run control of the window for a page, where no handler may wait and no
// message loop may nest: the runs are an explicit stack advanced from timer
// callbacks, with the desktop's observable behaviour.
//
// A run on the desktop sleeps, then dispatches what is pending, inside which
// a further "Start" runs a whole run of its own. Here a run is a frame on the
// stack: its sleeps are timeouts of the host, its dispatch steps are the
// moments at which the input that came meanwhile is handled, in order. Input
// that arrives while a run goes on waits for that run's next dispatch step, as
// the desktop's message queue holds it; while no run goes on it is handled at
// once. A "Start" handled in a dispatch step pushes the new run, and the run
// below stays suspended in that step until the new one has ended; it then
// finishes the step (the rest of the input, the axis check, the stop check).
// So the same clicks at the same dispatch steps give the same samples in the
// same series as on the desktop.
//
// A failure ends the handler it happens in: the error box opens and nothing
// goes on (no timer, no input) until it is closed; then the run below, if
// any, finishes its dispatch step.
class RunStack {
public:
    // The most runs the chart keeps between two uses of "Clear".
    static constexpr int MaxRuns = 257;
    // The sleeps of a run [ms]: the first frame's hold, every pass's sleep,
    // and the extra sleep per pass with "pomalu".
    static constexpr int FirstFrameHold = 1000;
    static constexpr int FrameSleep = 10;
    static constexpr int SlowDelay = 50;

    // decimalSeparator is the one of the user's language.
    RunStack(RunHost& host, RunChartTarget& chart, char16_t decimalSeparator);

    // The controls' events.
    // "Start" with the fields' texts at the click.
    void ClickStart(const StartFields& fields);
    // "Stop": ends every run at the end of its current pass; enables "Clear".
    void ClickStop();
    // "Clear": removes every run's series (ignored while "Clear" is disabled).
    void ClickClear();
    // "pomalu" ticked or unticked.
    void SetSlow(bool ticked);
    // A mouse action on the chart: it waits like a click does, as the
    // desktop's message queue holds the chart's mouse events too.
    void ChartInput(std::function<void()> action);
    // A failure outside the run control's own handlers (the chart's paint or
    // mouse handling) opens the error box, unless one is open already.
    void ReportFailure(const std::string& message);

    // The host's timer has run out.
    void TimerFired();
    // The error box has been closed.
    void ErrorBoxClosed();

    // A change of the user's language.
    void SetDecimalSeparator(char16_t separator) { decimalSeparator_ = separator; }

    int RunDepth() const { return static_cast<int>(runs_.size()); }
    int SeriesIndex() const { return seriesIndex_; }
    bool StopFlag() const { return stopFlag_; }
    int Delay() const { return delay_; }
    bool ClearEnabled() const { return clearEnabled_; }
    bool ErrorBoxOpen() const { return errorBoxOpen_; }
    // The passes made since the page opened, by every run.
    long long Passes() const { return passes_; }
    const model::PendulumState& Pendulum() const { return pendulum_; }

private:
    struct StartClick {
        StartFields fields;
    };
    struct StopClick {};
    struct ClearClick {};
    struct SlowChange {
        bool ticked = false;
    };
    struct ChartAction {
        std::function<void()> action;
    };
    using Input = std::variant<StartClick, StopClick, ClearClick, SlowChange, ChartAction>;

    // A run on the stack. It holds its first frame until its first pass, then
    // sleeps after every pass.
    struct Run {
        bool firstFrame = true;
    };

    // Input is handled at once while nothing runs, else at the next dispatch.
    void Deliver(Input input);
    // Handles one input as a handler does: a failure opens the error box.
    void Handle(const Input& input);
    void Start(const StartFields& fields);
    void Stop();
    void Clear();
    void ShowFailure(const std::string& message);

    // The top run's dispatch step, from its start.
    void Dispatch();
    // The top run's dispatch step from where it was left: the rest of the
    // input, then the rest of its pass. Stops early when a nested run takes
    // over or the error box opens.
    void ContinueDispatch();
    // What follows a dispatch step: the hold of the first frame, or the axis
    // check, the stop check and the next pass.
    void AfterDispatch();
    // One pass up to its sleep: the step, the point, the figure.
    void Pass();
    void DrawFrame();
    void SetClearEnabled(bool enabled);

    RunHost& host_;
    RunChartTarget& chart_;
    char16_t decimalSeparator_;

    // The run state the handlers share, as on the desktop.
    model::PendulumState pendulum_;
    int delay_ = 0;
    int seriesIndex_ = -1;
    bool stopFlag_ = false;
    bool clearEnabled_ = true;

    std::vector<Run> runs_;
    std::deque<Input> pending_;
    bool errorBoxOpen_ = false;
    long long passes_ = 0;
};

} // namespace web
