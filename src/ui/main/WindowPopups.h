// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "selection/FilterState.h"

class QAction;
class QMenu;
class QWidget;

namespace corvane {

class CCorvaneLauncherApp;
class CCorvaneLauncherDlg;
class WindowCommands;

// The popups of the main window's selector panels and tool buttons, built as they open. Each
// deletes itself when closed; what an item does runs after the popup has closed.
class WindowPopups {
public:
    WindowPopups(CCorvaneLauncherDlg& window, CCorvaneLauncherApp& app, WindowCommands& commands)
        : window_(window), app_(app), commands_(commands) {}

    QMenu* database();
    QMenu* values(FilterCriterion criterion);
    QMenu* savedFilters();
    QMenu* favorites();
    static void showUnder(QMenu* menu, QWidget* anchor);

private:
    QMenu* newPopup();
    QAction* addItem(QMenu* popup, const QString& text, std::function<void()> command);
    // One of the window's own commands, with its caption and state.
    void addCommand(QMenu* popup, int id);

    CCorvaneLauncherDlg& window_;
    CCorvaneLauncherApp& app_;
    WindowCommands& commands_;
};

}  // namespace corvane
