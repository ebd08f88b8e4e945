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
    for (int id : {kMenuLaunch, kMenuAddToFavorites, kMenuExplore})
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
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return handleKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CCorvaneLauncherDlg::handleKey(QObject* watched, QKeyEvent* key) {
    const int code = key->key();
    const bool enterOrEsc =
        code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape;
    // Enter and Esc never close the window.
    const Qt::KeyboardModifiers mods =
        key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    const bool ctrl = mods == Qt::ControlModifier;

    if (ctrl) {
        switch (code) {
            case Qt::Key_W:
                popupUnder(buildDatabasePopup(), databasePanel_);
                return true;
            case Qt::Key_F:
                search();
                return true;
            case Qt::Key_Q:
                setFilters();
                return true;
            case Qt::Key_R:
                resetFilters();
                return true;
            case Qt::Key_T:
                popupUnder(buildSavedFiltersPopup(), filtersButton_);
                return true;
            case Qt::Key_I:
                popupUnder(buildFavoritesPopup(), favoritesButton_);
                return true;
            default:
                break;
        }
    }
    if (watched != list_ && watched != list_->viewport())
        return enterOrEsc;

    const bool one = list_->selectionModel()->selectedRows().size() == 1;
    if (mods == Qt::NoModifier) {
        switch (code) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (one)
                    launch(LaunchCommand::SavedSettings);
                return true;
            case Qt::Key_F1:
                if (one)
                    showInfo();
                return true;
            case Qt::Key_Delete:
                removeSelected();
                return true;
            default:
                return enterOrEsc;
        }
    }
    if (mods == (Qt::ControlModifier | Qt::AltModifier)) {
        if (code == Qt::Key_O || code == Qt::Key_L) {
            if (one)
                launch(code == Qt::Key_O ? LaunchCommand::OpenMSX : LaunchCommand::FMSX);
            return true;
        }
    }
    if (ctrl) {
        switch (code) {
            case Qt::Key_C:
                copySelected();
                return true;
            case Qt::Key_X:
                moveSelected();
                return true;
            case Qt::Key_A:
                selectAll();
                return true;
            case Qt::Key_D:
                if (one)
                    addToFavorites();
                return true;
            default:
                break;
        }
        // Other Ctrl keys mean nothing for several profiles and must not reach the list.
        if (list_->selectionModel()->selectedRows().size() >= 2)
            return true;
    }
    return enterOrEsc;
}

}  // namespace corvane
