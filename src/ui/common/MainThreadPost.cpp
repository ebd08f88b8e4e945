// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/MainThreadPost.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace corvane {

ProcessStarter::Post mainThreadPost() {
    return [](std::function<void()> task) {
        // The application object outlives every window and the process starter, whose end
        // stops the posting; a queued call to it is safe from any thread.
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task),
                                  Qt::QueuedConnection);
    };
}

}  // namespace corvane
