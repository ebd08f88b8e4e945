// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's context menu and the events it watches for.
#include "ui/main/CCorvaneLauncherDlg.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QWindow>

#include "app/CCorvaneLauncherApp.h"
#include "app/CommandRules.h"
#include "i18n/MenuIds.h"
#include "ui/common/AvailabilityTip.h"
#include "ui/main/WindowKeys.h"
#include "ui/main/WindowTools.h"

namespace corvane {

QMenu* CCorvaneLauncherDlg::prepareContextMenu(const QPoint& viewportPos) {
    const QModelIndex index = list_->indexAt(viewportPos);
    if (!index.isValid())
        return nullptr;
    if (!list_->selectionModel()->isSelected(index))
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    selectionChanged();
    const Game* one = singleSelectedProfile();
    const size_t selected = static_cast<size_t>(list_->selectionModel()->selectedRows().size());
    const LanguageManager& languages = app_.languages();
    const Availability single = oneProfileRule(selected, one);
    for (int id : {kMenuLaunch, kMenuEdit, kMenuAddToFavorites, kMenuExplore, kMenuProperties})
        applyAvailability(action(id), single, languages);
    applyAvailability(action(kMenuInfo), infoRule(selected, one), languages);
    for (const auto& [id, command] : {std::pair{kMenuLaunchOpenMsx, LaunchCommand::OpenMSX},
                                      std::pair{kMenuLaunchFmsx, LaunchCommand::FMSX}})
        applyAvailability(action(id), emulatorRule(app_.launcher(), command), languages);
    applyAvailability(action(kMenuMove), moveRule(app_.store()), languages);
    tools_->applyRules(true);
    return contextMenu_;
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
    if (event->type() == QEvent::ShortcutOverride && keys_->isOwnPopup(watched)) {
        // The list's keys are its actions' shortcuts, which would act while one of the window's
        // popups is open over it. Claiming the key for the popup keeps it the popup's alone.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this)
            return keys_->handle(watched, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace corvane
