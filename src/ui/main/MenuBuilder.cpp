// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MenuBuilder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

#include "i18n/MenuIds.h"
#include "i18n/MenuLayout.h"
#include "ui/main/WindowCommands.h"
#include "ui/tools/ToolTable.h"

namespace corvane {

namespace {

// The entries that show a check mark: the two run flags and the mark modes.
constexpr int kCheckable[] = {kMenuConfirmRemove,    kMenuShowCommandLine,
                              kMenuMarkInvalid,      kMenuMarkMissingGeneration,
                              kMenuMarkMissingSound, kMenuMarkMissingGenre};

const MenuGroup* submenuGroup(int id) {
    for (const MenuGroup& group : menuLayout())
        if (group.titleId == id && id != 0)
            return &group;
    return nullptr;
}

const MenuGroup& groupNamed(std::string_view name) {
    const auto& layout = menuLayout();
    return *std::find_if(layout.begin(), layout.end(),
                         [name](const MenuGroup& group) { return group.name == name; });
}

}  // namespace

QMenu* MenuBuilder::newMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    // A disabled entry tells in its tooltip what it needs.
    menu->setToolTipsVisible(true);
    return menu;
}

void MenuBuilder::fill(QMenu* menu, const MenuGroup& group, MenuPlace place) {
    bool ruleDue = false;
    for (int id : group.entries) {
        if (id == kMenuRule) {
            ruleDue = !menu->actions().isEmpty();
            continue;
        }
        QAction* entry = nullptr;
        QMenu* submenu = nullptr;
        if (const MenuGroup* inner = submenuGroup(id)) {
            submenu = newMenu(menu);
            fill(submenu, *inner, place);
            if (submenu->actions().isEmpty()) {
                delete submenu;
                continue;
            }
            entry = submenu->menuAction();
        } else if (const ToolRow* tool = findTool(id); tool && !shownIn(tool->place, place)) {
            continue;
        } else if (commands_.has(id)) {
            entry = new QAction(menu);
        } else {
            continue;  // a command still to come
        }
        if (ruleDue)
            menu->addSeparator();
        ruleDue = false;
        menu->addAction(entry);
        entry->setData(id);
        if (submenu) {
            commands_.setMenuAction(id, entry);
            continue;
        }
        entry->setCheckable(std::ranges::find(kCheckable, id) != std::end(kCheckable));
        commands_.setAction(id, entry);
    }
}

std::vector<QMenu*> MenuBuilder::buildMenuBar(QMenuBar* bar) {
    std::vector<QMenu*> titles;
    for (std::string_view key : kMenuBarTitleKeys) {
        QMenu* menu = newMenu(bar);
        bar->addMenu(menu);
        for (const MenuGroup& group : menuLayout())
            if (group.titleKey == key)
                fill(menu, group, MenuPlace::MenuBar);
        titles.push_back(menu);
    }
    return titles;
}

QMenu* MenuBuilder::buildContextMenu() {
    QMenu* menu = newMenu(owner_);
    fill(menu, groupNamed("Profile list"), MenuPlace::ContextMenu);
    return menu;
}

}  // namespace corvane
