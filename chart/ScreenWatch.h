#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>

class QScreen;
class QWidget;
class QWindow;

// Tells a widget when what its pixels depend on may have changed outside it:
// its top-level window moved to another screen, or that screen's resolution
// changed (the device pixel ratio follows the screen's logical dots per inch).
// Follow() takes up the widget's top-level window as it is now; call it when
// the widget is shown, as its window may have been made or changed since.
class ScreenWatch : public QObject {
public:
    ScreenWatch(QWidget& widget, std::function<void()> onChange);

    void Follow();

private:
    void FollowScreen(QScreen* screen);

    QWidget& widget_;
    std::function<void()> onChange_;
    QPointer<QWindow> window_;
    QMetaObject::Connection windowConnection_;
    QMetaObject::Connection screenConnection_;
};
