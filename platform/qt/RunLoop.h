#pragma once

namespace platform {

// What the run control needs from the system while a run goes on: a blocking
// sleep on the calling thread, and one round of dispatching every pending event
// (repaints, clicks, nested handlers) that returns as soon as the queue is
// empty. Tests substitute fakes that click, stop or nest runs without waiting.
class RunLoop {
public:
    virtual ~RunLoop() = default;

    virtual void Sleep(int milliseconds) = 0;
    virtual void DispatchPending() = 0;
};

// The real services: the thread sleeps (events that arrive meanwhile wait for
// the next dispatch), and dispatching runs the Qt event queue once.
class SystemRunLoop final : public RunLoop {
public:
    // Blocks for the given time; 0 or less returns at once.
    void Sleep(int milliseconds) override;
    // Delivers every event pending at the call, then returns without waiting.
    // Events posted by the handlers meanwhile wait for the next call.
    void DispatchPending() override;

private:
    bool preciseWakeUps_ = false;
};

} // namespace platform
