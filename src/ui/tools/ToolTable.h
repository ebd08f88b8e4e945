// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <memory>
#include <optional>
#include <vector>

#include "app/CommandRules.h"
#include "ui/common/KeyScope.h"
#include "ui/tools/ToolContext.h"

namespace corvane {

class DatabaseManagerDlg;

// The menus a tool's entry shows in; the menu layout gives its position there.
enum class MenuPlace {
    MenuBar,
    ContextMenu,  // the profile list's
    Both,
};

bool shownIn(MenuPlace place, MenuPlace menu);

// What a tool acts on; the window opens it only when the list's selection offers that.
enum class ToolSubject {
    None,              // nothing of the list: the databases or files it asks for itself
    OneProfile,        // the profile of the one selected line
    SelectedProfiles,  // every selected line, one at least
};

// A tool's key and where it acts; its entry shows it.
struct ToolKey {
    QKeyCombination key;
    KeyScope scope;
};

// What the main window brings up to date after a tool reported a change.
struct ToolRefresh {
    bool list = false;          // the list, with its database panel and COUNT
    bool databaseRule = false;  // the commands that need a database, and Fill's own rule
    bool reselect = false;      // a line selected alone before, selected again by its position
};

// Everything about a tool's place in the main window: its entry, key, enabling rule, what it
// acts on, how it opens and what changes afterwards. A new tool is one more row.
struct ToolRow {
    int menuId;
    MenuPlace place;
    // Builds the dialog with what it uses and runs it; true when something changed.
    bool (*open)(const ToolContext& context);
    ToolSubject acts = ToolSubject::None;
    std::optional<ToolKey> key = std::nullopt;
    // When the entry is enabled, and else what it needs; null: always.
    Availability (*rule)(const ToolState& state) = nullptr;
    ToolRefresh refresh = {};
};

// Every tool, in no particular order: the menus place them by the menu layout.
const std::vector<ToolRow>& toolTable();
// The row of the menu entry; null for a command that is not a tool.
const ToolRow* findTool(int menuId);

// The Database Manager as its row builds it, its Fill button opening Fill Database.
std::unique_ptr<DatabaseManagerDlg> makeDatabaseManager(const ToolContext& context);

}  // namespace corvane
