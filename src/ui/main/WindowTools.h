// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

class CCorvaneLauncherApp;
class CCorvaneLauncherDlg;
struct ToolRow;
class WindowCommands;

// The tool table in the main window: a command for each row, which opens the tool on what the
// row says it acts on and refreshes the window as the row says, and the rows' enabling rules.
class WindowTools {
public:
    WindowTools(CCorvaneLauncherDlg& window, CCorvaneLauncherApp& app, WindowCommands& commands)
        : window_(window), app_(app), commands_(commands) {}

    void addCommands();
    // For the list's selection as it is; the context menu's tools only, or all of them.
    void applyRules(bool contextMenuOnly) const;

private:
    void run(const ToolRow& row) const;

    CCorvaneLauncherDlg& window_;
    CCorvaneLauncherApp& app_;
    WindowCommands& commands_;
};

}  // namespace corvane
