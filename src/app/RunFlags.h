// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "media/ProfileMark.h"

namespace corvane {

// Options that live for one run only; every start begins with these values.
struct RunFlags {
    bool confirmRemove = true;
    bool showCommandLine = false;
    ProfileMark markMode = ProfileMark::None;
};

}  // namespace corvane
