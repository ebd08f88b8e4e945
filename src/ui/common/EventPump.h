// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEventLoop>

namespace corvane {

// Lets pending events run (painting, and the input the flags admit) from inside a long operation.
// Objects whose deletion was requested before the call are not deleted here but once the
// operation has returned to the event loop, so the widget whose handler started the operation
// cannot vanish under it. QCoreApplication::processEvents() does not keep that promise.
void pumpEvents(QEventLoop::ProcessEventsFlags flags);

}  // namespace corvane
