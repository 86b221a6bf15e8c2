#include "platform/qt/RunLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>

#include <gtest/gtest.h>

using platform::SystemRunLoop;

namespace {

// Counts the events it receives and, if asked, posts itself a new one from
// inside each (as a handler that keeps requesting repaints would).
class EventCounter : public QObject {
public:
    static constexpr QEvent::Type type = QEvent::User;

    int received = 0;
    bool repostEachTime = false;

    bool event(QEvent* event) override
    {
        if (event->type() != type)
            return QObject::event(event);
        ++received;
        if (repostEachTime)
            QCoreApplication::postEvent(this, new QEvent(type));
        return true;
    }
};

} // namespace

TEST(SystemRunLoop, DispatchDeliversWhatIsPendingAndReturns)
{
    SystemRunLoop runLoop;
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(EventCounter::type));
    QCoreApplication::postEvent(&counter, new QEvent(EventCounter::type));

    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 2);

    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 2) << "nothing pending: returns without waiting";
}

TEST(SystemRunLoop, EventsPostedWhileDispatchingWaitForTheNextRound)
{
    SystemRunLoop runLoop;
    EventCounter counter;
    counter.repostEachTime = true;
    QCoreApplication::postEvent(&counter, new QEvent(EventCounter::type));

    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 1);
    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 2);

    counter.repostEachTime = false;
    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 3);
}

TEST(SystemRunLoop, SleepBlocksWithoutDispatching)
{
    SystemRunLoop runLoop;
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(EventCounter::type));

    QElapsedTimer clock;
    clock.start();
    runLoop.Sleep(30);
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_EQ(counter.received, 0) << "input waits for the next dispatch";

    runLoop.Sleep(0);
    runLoop.Sleep(-5);
    EXPECT_EQ(counter.received, 0);

    runLoop.DispatchPending();
    EXPECT_EQ(counter.received, 1);
}
