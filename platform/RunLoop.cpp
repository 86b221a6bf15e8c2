#include "platform/RunLoop.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <thread>

namespace platform {

void SystemRunLoop::sleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SystemRunLoop::dispatchPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace platform
