// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <functional>

class QAction;

namespace corvane {

class LanguageManager;

// The main window's commands by identifier: what each runs, and the action its menu entry and
// keys trigger. A command without an entry yet is reached by its keys alone.
class WindowCommands {
public:
    void add(int id, std::function<void()> run);
    bool has(int id) const { return runs_.contains(id); }
    // Runs the command whether or not its entry is enabled: its key acts all the same.
    void run(int id) const;
    // Makes the action the command's entry: triggering it runs the command.
    void setAction(int id, QAction* action);
    // A submenu's entry, which runs nothing of its own.
    void setMenuAction(int id, QAction* action) { actions_.insert(id, action); }
    QAction* action(int id) const { return actions_.value(id); }
    // Captions every menu entry from the catalogue, with its key after a tab.
    void retranslate(const LanguageManager& languages) const;

private:
    QMap<int, std::function<void()>> runs_;
    QMap<int, QAction*> actions_;
};

}  // namespace corvane
