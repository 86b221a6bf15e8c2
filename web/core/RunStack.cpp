#include "web/core/RunStack.h"

#include "model/RunPass.h"
#include "platform/ErrorText.h"
#include "web/core/NumberField.h"
#include "web/core/RunChartTarget.h"
#include "web/core/RunHost.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace web {

namespace {

// "Start" with every slot of the chart taken since the last "Clear": refused
// before anything changes, with the desktop's text.
std::runtime_error RunsFull()
{
    return std::runtime_error("The chart already holds " + std::to_string(RunStack::MaxRuns)
                              + " runs, as many as it can keep; click Clear before starting another run");
}

} // namespace

RunStack::RunStack(RunHost& host, RunChartTarget& chart, char16_t decimalSeparator)
    : host_(host)
    , chart_(chart)
    , decimalSeparator_(decimalSeparator)
{
}

void RunStack::ClickStart(const StartFields& fields)
{
    Deliver(StartClick{fields});
}

void RunStack::ClickStop()
{
    Deliver(StopClick{});
}

void RunStack::ClickClear()
{
    Deliver(ClearClick{});
}

void RunStack::SetSlow(bool ticked)
{
    Deliver(SlowChange{ticked});
}

void RunStack::ChartInput(std::function<void()> action)
{
    Deliver(ChartAction{std::move(action)});
}

void RunStack::ReportFailure(const std::string& message)
{
    if (!errorBoxOpen_)
        ShowFailure(message);
}

void RunStack::Deliver(Input input)
{
    if (errorBoxOpen_)
        return;
    if (runs_.empty()) {
        Handle(input);
        return;
    }
    pending_.push_back(std::move(input));
}

void RunStack::Handle(const Input& input)
{
    try {
        if (const auto* start = std::get_if<StartClick>(&input))
            Start(start->fields);
        else if (std::holds_alternative<StopClick>(input))
            Stop();
        else if (std::holds_alternative<ClearClick>(input))
            Clear();
        else if (const auto* slow = std::get_if<SlowChange>(&input))
            delay_ = slow->ticked ? SlowDelay : 0;
        else
            std::get<ChartAction>(input).action();
    } catch (const std::exception& failure) {
        ShowFailure(failure.what());
    }
}

// The desktop's steps in their order: a failure leaves the earlier ones done
// (the ranges, "Clear" disabled, the run's empty series, the fields read
// before the failing one stored in the model).
void RunStack::Start(const StartFields& fields)
{
    if (seriesIndex_ + 1 >= MaxRuns)
        throw RunsFull();
    chart_.SetStartRanges();
    SetClearEnabled(false);
    ++seriesIndex_;
    chart_.AddRunSeries(seriesIndex_);
    stopFlag_ = false;

    pendulum_.Length = ReadNumber(fields.length, decimalSeparator_);
    model::SetStartAngle(pendulum_, ReadNumber(fields.angle, decimalSeparator_));
    model::SetStartInertia(pendulum_, ReadNumber(fields.inertia, decimalSeparator_));
    pendulum_.AdvanceStep();
    DrawFrame();

    runs_.push_back(Run{});
    Dispatch();
}

void RunStack::Stop()
{
    SetClearEnabled(true);
    stopFlag_ = true;
}

void RunStack::Clear()
{
    // A disabled button takes no click; the click may have waited for a
    // dispatch step in which a "Start" disabled it.
    if (!clearEnabled_)
        return;
    chart_.RemoveAllSeries();
    seriesIndex_ = -1;
}

void RunStack::ShowFailure(const std::string& message)
{
    // The input still waiting would reach a window that the modal box
    // blocks: it is lost, as on the desktop.
    pending_.clear();
    errorBoxOpen_ = true;
    host_.ShowError(platform::ErrorBoxText(message));
}

void RunStack::TimerFired()
{
    if (runs_.empty() || errorBoxOpen_)
        return;
    Run& run = runs_.back();
    if (run.firstFrame) {
        run.firstFrame = false;
        Pass();
    } else {
        Dispatch();
    }
}

void RunStack::ErrorBoxClosed()
{
    if (!errorBoxOpen_)
        return;
    errorBoxOpen_ = false;
    // The failure happened in a dispatch step of the run now on top (or ended
    // the run that a dispatch step of it had started).
    if (!runs_.empty())
        ContinueDispatch();
}

void RunStack::Dispatch()
{
    host_.Dispatching();
    // Showing the pictures failed: the step goes on when the box is closed.
    if (errorBoxOpen_)
        return;
    ContinueDispatch();
}

void RunStack::ContinueDispatch()
{
    const std::size_t depth = runs_.size();
    while (!pending_.empty()) {
        const Input input = std::move(pending_.front());
        pending_.pop_front();
        Handle(input);
        if (errorBoxOpen_ || runs_.size() > depth)
            return;
    }
    AfterDispatch();
}

void RunStack::AfterDispatch()
{
    if (runs_.back().firstFrame) {
        host_.Schedule(FirstFrameHold);
        return;
    }
    chart_.FollowDataPastStartRange(pendulum_.Time);
    if (!stopFlag_) {
        Pass();
        return;
    }
    // This run ends; the one below goes on in the dispatch step it started
    // this one from, and finds the stop flag set as well.
    runs_.pop_back();
    if (!runs_.empty())
        ContinueDispatch();
}

void RunStack::Pass()
{
    try {
        const model::RunSample sample = model::AdvancePass(pendulum_);
        ++passes_;
        // No series when "Stop" and "Clear" were both handled before this
        // run's first pass.
        if (seriesIndex_ >= 0)
            chart_.AddPoint(seriesIndex_, sample.Time, sample.Degrees);
        DrawFrame();
    } catch (const std::exception& failure) {
        // The fault ends this run's handler.
        runs_.pop_back();
        ShowFailure(failure.what());
        return;
    }
    host_.Schedule(FrameSleep + delay_);
}

void RunStack::DrawFrame()
{
    host_.DrawFrame(pendulum_.Length, pendulum_.Fi);
}

void RunStack::SetClearEnabled(bool enabled)
{
    clearEnabled_ = enabled;
    host_.SetClearEnabled(enabled);
}

} // namespace web
