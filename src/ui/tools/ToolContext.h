// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace corvane {

class CCorvaneLauncherApp;
class Game;

// What a tool's row reaches to build its dialog: the application it takes its dependencies
// from, and the window the dialog opens over.
struct ToolContext {
    CCorvaneLauncherApp& app;
    QWidget* parent;
    // The profile of the list's current line when it is the one selected; null otherwise.
    const Game* profile = nullptr;
    // Shows a profile of any database in the window: filters reset, its database current.
    std::function<void(const std::string& profile, const std::string& database)> locate = {};
    // Returns once the software index is in place, waiting while it is still being built.
    std::function<void()> awaitSoftwareIndex = {};
};

}  // namespace corvane
