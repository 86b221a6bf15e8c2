#include "platform/qt/RunLoop.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <thread>

namespace platform {

void SystemRunLoop::Sleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void SystemRunLoop::DispatchPending()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace platform
