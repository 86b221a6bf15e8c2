#include "platform/qt/RunLoop.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <thread>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace platform {

void SystemRunLoop::Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        return;
#if defined(__linux__)
    // The kernel may wake a sleeper up to its timer slack late (50 us by
    // default), and a run sleeps a hundred times a second: ask for wake-ups
    // as close to the time as the timers allow, so the pace of a run stays
    // near real time. It concerns this thread only.
    if (!preciseWakeUps_) {
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        preciseWakeUps_ = true;
    }
#endif
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SystemRunLoop::DispatchPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace platform
