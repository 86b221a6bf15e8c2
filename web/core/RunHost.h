#pragma once

#include <string>

// What the run control needs of the page it runs in: a timer, the moments at
// which the page shows what the runs drew, the pendulum figure, the state of
// "Clear" and the modal error box.
namespace web {

class RunHost {
public:
    virtual ~RunHost() = default;

    // Calls RunStack::TimerFired once, after the given time. The run control
    // keeps at most one such call pending.
    virtual void Schedule(int milliseconds) = 0;
    // A dispatch step of a run begins: the page shows the figure and the
    // chart as they are now. Input that waited for this step follows it.
    virtual void Dispatching() = 0;
    // A new frame of the figure: the image cleared, then the pendulum of the
    // given length [m] at the given angle [rad] hanging from its pivot.
    virtual void DrawFrame(double length, double fi) = 0;
    // "Clear" enabled or disabled.
    virtual void SetClearEnabled(bool enabled) = 0;
    // Opens the modal error box with the text (its full stop already added).
    // While it is open the page takes no other input; closing it calls
    // RunStack::ErrorBoxClosed.
    virtual void ShowError(const std::string& text) = 0;
};

} // namespace web
