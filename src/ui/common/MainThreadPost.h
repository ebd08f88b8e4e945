// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ProcessStarter.h"

namespace corvane {

// Queues a task, from any thread, to run on the application's thread in its event loop: the
// helpers' reports end in message boxes, which only that thread may show.
ProcessStarter::Post mainThreadPost();

}  // namespace corvane
