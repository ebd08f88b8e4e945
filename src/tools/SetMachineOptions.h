// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "emulator/MachineCatalogue.h"

namespace corvane {

// Which machine Set Machine gives which profiles. The defaults are the window's initial state.
struct SetMachineOptions {
    std::string machine{MachineCatalogue::kUsualMachine};
    // The lowest generation of each profile's extra data picks its machine instead.
    bool minimumMachine = false;
    // Only profiles whose machine is not one of the usable machines (an exact match) change.
    bool onlyMissing = false;
};

}  // namespace corvane
