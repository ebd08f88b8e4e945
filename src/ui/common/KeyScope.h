// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// Where a key of the main window acts.
enum class KeyScope {
    Window,  // anywhere in the main window
    List,    // while the profile list has the focus
};

}  // namespace corvane
