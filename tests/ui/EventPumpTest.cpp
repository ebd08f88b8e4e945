// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/EventPump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <functional>

namespace corvane {
namespace {

// An object whose event handler runs a given step, as a widget's key handler runs a command.
class Handler : public QObject {
public:
    std::function<void()> step;

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        step();
        return true;
    }
};

void deliver(QObject* target) {
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(target, &event);
}

TEST(EventPumpTest, RunsPendingEventsButNeverDeletesAnObjectStillHandlingOne) {
    // The handler closes itself the way a menu does (a deletion requested from a call nested
    // inside its handler), then runs a long command that lets events run.
    QPointer<Handler> handler = new Handler;
    Handler closer;
    closer.step = [&handler] { handler->deleteLater(); };
    bool queuedRan = false;
    bool aliveDuringPump = false;
    handler->step = [&] {
        deliver(&closer);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&queuedRan] { queuedRan = true; }, Qt::QueuedConnection);
        pumpEvents(QEventLoop::AllEvents);
        aliveDuringPump = !handler.isNull();
    };
    deliver(handler);
    EXPECT_TRUE(queuedRan);
    EXPECT_TRUE(aliveDuringPump);
    // Back at the outer level the deletion happens as requested.
    QCoreApplication::processEvents();
    EXPECT_TRUE(handler.isNull());
}

}  // namespace
}  // namespace corvane
