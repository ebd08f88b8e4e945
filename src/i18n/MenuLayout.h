// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace corvane {

// Marks a separator rule among a menu's entries.
inline constexpr int kMenuRule = 0;

// One menu or submenu: its command identifiers in display order. Mnemonics must be unique
// within a group, so every translation is checked against this grouping.
struct MenuGroup {
    std::string_view name;      // for diagnostics
    std::string_view titleKey;  // catalogue key of a menu-bar title, empty otherwise
    int titleId;                // catalogue identifier of a submenu's caption, 0 otherwise
    std::vector<int> entries;
};

// Catalogue keys of the menu bar's titles, left to right.
inline constexpr std::array<std::string_view, 4> kMenuBarTitleKeys{
    "LOC_MENU_OPTIONS", "LOC_MENU_ACTION", "LOC_MENU_TOOLS", "LOC_MENU_HELP"};

// The menu bar's menus, the profile list's context menu, the fixed tails of the selector
// popups, the list copy menu of the organize and result dialogs, and the profile editor's
// Launch menu.
const std::vector<MenuGroup>& menuLayout();

}  // namespace corvane
