// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/WindowKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QListView>

#include "ui/main/WindowCommands.h"
#include "ui/tools/ToolTable.h"

namespace corvane {

WindowKeys::WindowKeys(QWidget* window, QListView* list, WindowCommands& commands)
    : window_(window),
      list_(list),
      commands_(commands),
      keys_(std::begin(kCommandKeys), std::end(kCommandKeys)) {
    for (const ToolRow& row : toolTable())
        if (row.key)
            keys_.push_back({row.menuId, row.key->key, row.key->scope});
}

void WindowKeys::install() {
    for (int id : {kKeyDatabasePopup, kKeySavedFiltersPopup, kKeyFavoritesPopup, kKeyAddProfile})
        commands_.setAction(id, new QAction(window_));
    for (const CommandKey& entry : keys_) {
        QAction* command = commands_.action(entry.command);
        if (!command)
            continue;  // its command has no entry yet; runCommandOfKey still finds it
        // Further keys of a command follow its first, which its menu entry shows.
        QList<QKeySequence> keys = command->shortcuts();
        keys.append(QKeySequence(entry.key));
        command->setShortcuts(keys);
        if (entry.scope == KeyScope::List) {
            command->setShortcutContext(Qt::WidgetShortcut);
            list_->addAction(command);
        } else {
            command->setShortcutContext(Qt::WindowShortcut);
            window_->addAction(command);
        }
    }
}

bool WindowKeys::isOwnPopup(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || widget->window()->windowType() != Qt::Popup)
        return false;
    // A popup's parent is what opened it: the window, its menu bar or another of its popups.
    for (const QWidget* owner = widget->window()->parentWidget(); owner;
         owner = owner->parentWidget())
        if (owner == window_)
            return true;
    return false;
}

bool WindowKeys::runCommandOfKey(const QKeyEvent* key, bool inList) const {
    const QKeyCombination pressed(
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier),
        static_cast<Qt::Key>(key->key()));
    for (const CommandKey& entry : keys_) {
        if (entry.key != pressed || (entry.scope == KeyScope::List && !inList))
            continue;
        commands_.run(entry.command);
        return true;
    }
    return false;
}

bool WindowKeys::handle(QObject* watched, const QKeyEvent* key) const {
    const bool inList = watched == list_ || watched == list_->viewport();
    // An action's shortcut has taken its key already, unless the menu entry or the menu that
    // holds it is disabled: the key acts all the same.
    if (runCommandOfKey(key, inList))
        return true;
    const int code = key->key();
    // Enter and Esc never close the window.
    const bool enterOrEsc =
        code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape;
    if (!inList)
        return enterOrEsc;
    // Other Ctrl keys mean nothing for several profiles and must not reach the list.
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    if (mods == Qt::ControlModifier && list_->selectionModel()->selectedRows().size() >= 2)
        return true;
    return enterOrEsc;
}

}  // namespace corvane
