// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QMenu;
class QMenuBar;
class QWidget;

namespace corvane {

struct MenuGroup;
enum class MenuPlace;
class WindowCommands;

// Builds the main window's menus from the menu layout. An entry shows only when its command
// exists, a tool's only in the menus its row names, and a submenu only when it has entries;
// rules go only between shown entries.
class MenuBuilder {
public:
    MenuBuilder(WindowCommands& commands, QWidget* owner) : commands_(commands), owner_(owner) {}

    // The menu-bar titles, left to right, each with its entries.
    std::vector<QMenu*> buildMenuBar(QMenuBar* bar);
    // The profile list's context menu.
    QMenu* buildContextMenu();

private:
    void fill(QMenu* menu, const MenuGroup& group, MenuPlace place);
    QMenu* newMenu(QWidget* parent) const;

    WindowCommands& commands_;
    QWidget* owner_;
};

}  // namespace corvane
