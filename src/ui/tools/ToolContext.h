// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace corvane {

class CCorvaneLauncherApp;

// What a tool's row reaches to build its dialog: the application it takes its dependencies
// from, and the window the dialog opens over.
struct ToolContext {
    CCorvaneLauncherApp& app;
    QWidget* parent;
};

}  // namespace corvane
