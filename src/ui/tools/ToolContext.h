// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/Game.h"

class QWidget;

namespace corvane {

class CCorvaneLauncherApp;

// What a tool's row reaches to build its dialog: the application it takes its dependencies
// from, and the window the dialog opens over.
struct ToolContext {
    CCorvaneLauncherApp& app;
    QWidget* parent;
    // For a tool that acts on one profile: the profile of the one selected line.
    const Game* profile = nullptr;
    // For a tool that acts on the selected profiles: each as the list shows it, in list order.
    std::vector<Game> profiles = {};
    // Shows a profile of any database in the window: filters reset, its database current.
    std::function<void(const std::string& profile, const std::string& database)> locate = {};
    // Returns once the software index is in place, waiting while it is still being built.
    std::function<void()> awaitSoftwareIndex = {};
};

// What a tool's enabling rule decides from: the application and the list's selection.
struct ToolState {
    CCorvaneLauncherApp& app;
    size_t selected = 0;
    // The profile of the one selected line; null unless exactly one is selected.
    const Game* profile = nullptr;
};

}  // namespace corvane
