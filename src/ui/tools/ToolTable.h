// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/CommandRules.h"
#include "model/Game.h"
#include "ui/tools/ToolContext.h"

namespace corvane {

class DatabaseManagerDlg;

// What the main window brings up to date after a tool reported a change.
struct ToolRefresh {
    bool list = false;          // the list, with its database panel and COUNT
    bool databaseRule = false;  // the commands that need a database, and Fill's own rule
};

// A command of the menus that opens a dialog and then refreshes the window.
struct ToolRow {
    int menuId;
    // When the entry is enabled, and else what it needs; null: always.
    Availability (*rule)(CCorvaneLauncherApp& app);
    // Builds the dialog with what it uses and runs it; true when something changed.
    bool (*open)(const ToolContext& context);
    ToolRefresh refresh;
};

// Every tool, in no particular order: the menus place them by the menu layout.
const std::vector<ToolRow>& toolTable();

// Set Extra Data on these profiles of the current database, as the list shows them; true when
// it may have changed the database.
bool openSetExtraData(const ToolContext& context, std::vector<Game> profiles);

// The Database Manager as its row builds it, its Fill button opening Fill Database.
std::unique_ptr<DatabaseManagerDlg> makeDatabaseManager(const ToolContext& context);

}  // namespace corvane
