// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's context menu, popups and keyboard.
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QWindow>

#include "app/CCorvaneLauncherApp.h"
#include "i18n/MenuIds.h"
#include "ui/common/TextCodec.h"
#include "ui/main/CommandKeys.h"
#include "ui/main/SelectorPanel.h"

namespace corvane {

QMenu* CCorvaneLauncherDlg::prepareContextMenu(const QPoint& viewportPos) {
    const QModelIndex index = list_->indexAt(viewportPos);
    if (!index.isValid())
        return nullptr;
    if (!list_->selectionModel()->isSelected(index))
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    selectionChanged();
    const Game* one = singleSelectedProfile();
    for (int id : {kMenuLaunch, kMenuEdit, kMenuAddToFavorites, kMenuExplore, kMenuProperties})
        action(id)->setEnabled(one);
    action(kMenuInfo)->setEnabled(one && !one->infoFile.empty());
    action(kMenuLaunchOpenMsx)->setEnabled(app_.launcher().isAvailable(LaunchCommand::OpenMSX));
    action(kMenuLaunchFmsx)->setEnabled(app_.launcher().isAvailable(LaunchCommand::FMSX));
    action(kMenuMove)->setEnabled(app_.store().databaseList().size() >= 2);
    return contextMenu_;
}

void CCorvaneLauncherDlg::popupUnder(QMenu* menu, QWidget* anchor) {
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height())));
}

QMenu* CCorvaneLauncherDlg::newPopup() {
    auto* popup = new QMenu(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    return popup;
}

QAction* CCorvaneLauncherDlg::addPopupItem(QMenu* popup, const QString& text,
                                           std::function<void()> command) {
    QAction* item = popup->addAction(text);
    // The item fires inside the popup's own key or mouse handler, and the popup deletes itself
    // on closing: the command (a reload, a dialog) runs from the event loop once that handler
    // has returned, so nothing it does can pull the popup away under the handler.
    connect(item, &QAction::triggered, this, [this, command = std::move(command)] {
        QMetaObject::invokeMethod(this, command, Qt::QueuedConnection);
    });
    return item;
}

void CCorvaneLauncherDlg::addPopupCommand(QMenu* popup, int id) {
    QAction* command = action(id);
    QAction* item = addPopupItem(popup, command->text(), [command] { command->trigger(); });
    item->setEnabled(command->isEnabled());
}

QMenu* CCorvaneLauncherDlg::buildDatabasePopup() {
    QMenu* popup = newPopup();
    // Databases made by another program or copied in by hand show without a restart; the
    // current database's profiles are not read again for that.
    app_.store().forgetDatabaseList();
    applyDatabaseCountRule();
    std::vector<std::string> names = app_.store().databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        QAction* item =
            addPopupItem(popup, menuItemText(name), [this, name] { switchDatabase(name); });
        item->setCheckable(true);
        item->setChecked(name == app_.store().currentDatabaseName());
    }
    if (!names.empty())
        popup->addSeparator();
    addPopupItem(popup, fromBytes(app_.languages().textForId(kMenuCreateEmptyDatabase)),
                 [this] { createEmptyDatabase(); });
    return popup;
}

bool CCorvaneLauncherDlg::eventFilter(QObject* watched, QEvent* event) {
    // The window is painted on being exposed; the first list load is posted to follow that.
    if (event->type() == QEvent::Expose && firstLoadPending_ && watched == windowHandle() &&
        windowHandle()->isExposed())
        QMetaObject::invokeMethod(this, &CCorvaneLauncherDlg::loadFirstList, Qt::QueuedConnection);
    if (event->type() == QEvent::ContextMenu && watched == list_->viewport()) {
        auto* request = static_cast<QContextMenuEvent*>(event);
        // Only a right click inside the list opens the menu; the keyboard's request does not.
        if (request->reason() == QContextMenuEvent::Mouse) {
            if (QMenu* menu = prepareContextMenu(request->pos()))
                menu->popup(request->globalPos());
        }
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && isOwnPopup(watched)) {
        // The list's keys are its actions' shortcuts, which would act while one of the window's
        // popups is open over it. Claiming the key for the popup keeps it the popup's alone.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return handleKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CCorvaneLauncherDlg::isOwnPopup(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || widget->window()->windowType() != Qt::Popup)
        return false;
    // A popup's parent is what opened it: the window, its menu bar or another of its popups.
    for (const QWidget* owner = widget->window()->parentWidget(); owner;
         owner = owner->parentWidget())
        if (owner == this)
            return true;
    return false;
}

bool CCorvaneLauncherDlg::runCommandOfKey(const QKeyEvent* key, bool inList) {
    const QKeyCombination pressed(
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier),
        static_cast<Qt::Key>(key->key()));
    for (const CommandKey& entry : kCommandKeys) {
        if (entry.key != pressed || (entry.scope == KeyScope::List && !inList))
            continue;
        if (const auto it = commands_.constFind(entry.command); it != commands_.cend())
            it.value()();
        return true;
    }
    return false;
}

bool CCorvaneLauncherDlg::handleKey(QObject* watched, QKeyEvent* key) {
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
