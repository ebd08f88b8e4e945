// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace corvane {

class CCorvaneLauncherApp;

// What a tool's row reaches to build its dialog: the application it takes its dependencies
// from, and the window the dialog opens over.
struct ToolContext {
    CCorvaneLauncherApp& app;
    QWidget* parent;
    // Goes to a profile of some database in the main window, as a tool's hit asks.
    std::function<void(const std::string& profile, const std::string& database)> locate = {};
};

}  // namespace corvane
