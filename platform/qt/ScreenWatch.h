#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

class QScreen;
class QWindow;

namespace platform {

// Tells a control when what its pixels depend on may have changed outside it:
// the window it is shown in moved to another screen, or that screen's
// resolution changed (the device pixel ratio follows the screen's logical
// dots per inch). Follow() takes up the window the control is shown in now;
// call it when the control is shown, as its window may have been made or
// changed since.
class ScreenWatch : public QObject {
public:
    explicit ScreenWatch(std::function<void()> onChange);

    void Follow(QWindow* window);

private:
    void FollowScreen(QScreen* screen);

    std::function<void()> onChange_;
    QPointer<QWindow> window_;
    QMetaObject::Connection windowConnection_;
    QMetaObject::Connection screenConnection_;
};

} // namespace platform
