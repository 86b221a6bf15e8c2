#include "platform/qt/ScreenWatch.h"

#include <QScreen>
#include <QWindow>

#include <utility>

namespace platform {

ScreenWatch::ScreenWatch(std::function<void()> onChange)
    : onChange_(std::move(onChange))
{
}

void ScreenWatch::Follow(QWindow* window)
{
    if (window == window_)
        return;
    disconnect(windowConnection_);
    window_ = window;
    if (window == nullptr) {
        FollowScreen(nullptr);
        return;
    }
    windowConnection_ = connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
        FollowScreen(screen);
        onChange_();
    });
    FollowScreen(window->screen());
}

void ScreenWatch::FollowScreen(QScreen* screen)
{
    disconnect(screenConnection_);
    if (screen != nullptr)
        screenConnection_ = connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] { onChange_(); });
}

} // namespace platform
