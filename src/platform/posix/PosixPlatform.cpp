// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Platform.h"
#include "platform/posix/PosixProcessStarter.h"
#include "platform/posix/XdgDesktopShell.h"

namespace corvane {

std::unique_ptr<ProcessStarter> makeProcessStarter() {
    return std::make_unique<PosixProcessStarter>();
}

std::unique_ptr<DesktopShell> makeDesktopShell(ProcessStarter& starter) {
    return std::make_unique<XdgDesktopShell>(starter);
}

}  // namespace corvane
