// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "platform/DesktopShell.h"
#include "platform/ProcessStarter.h"

namespace corvane {

// The implementations of this platform; each platform folder defines these.
std::unique_ptr<ProcessStarter> makeProcessStarter();
std::unique_ptr<DesktopShell> makeDesktopShell(ProcessStarter& starter);

}  // namespace corvane
