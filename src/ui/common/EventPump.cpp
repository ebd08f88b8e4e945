// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/EventPump.h"

#include <QTimer>

namespace corvane {

void pumpEvents(QEventLoop::ProcessEventsFlags flags) {
    // Qt runs a deferred delete once the loop or handler level it was requested from has been
    // left. processEvents() at the current level would therefore run a deletion requested from a
    // call nested in the current handler, such as that of a menu closed by the key being handled,
    // while the menu's own handler is still below us. An event loop of our own is deeper than
    // every request made before it started, so it runs none of them.
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec(flags);
}

}  // namespace corvane
