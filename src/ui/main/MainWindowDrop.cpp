// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders dropped on the main window go to Add to Current Database.
#include <QDragEnterEvent>
#include <QDropEvent>

#include "app/CCorvaneLauncherApp.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/main/DroppedPaths.h"
#include "ui/tools/DragAndDrop.h"

namespace corvane {

bool CCorvaneLauncherDlg::acceptsDrops() {
    DatabaseStore& store = app_.store();
    return !store.currentDatabaseName().empty() && !store.databaseList().empty();
}

void CCorvaneLauncherDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrops() && !droppedPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CCorvaneLauncherDlg::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDrops() && !droppedPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CCorvaneLauncherDlg::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = droppedPaths(event->mimeData());
    if (!acceptsDrops() || paths.empty())
        return;
    event->acceptProposedAction();
    // The dialog opens once the drop has been answered: the program it came from waits until
    // then.
    QMetaObject::invokeMethod(
        this, [this, paths = std::move(paths)] { addDroppedFiles(paths); }, Qt::QueuedConnection);
}

void CCorvaneLauncherDlg::addDroppedFiles(const std::vector<std::string>& paths) {
    FillOperation fill(app_.store(), app_.favorites(), app_.sha1Cache(), app_.texts());
    DragAndDrop dialog({fill, app_.softwareSources(), app_.machineList()}, app_.prompter(),
                       app_.languages(), paths, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    loadList();
    applyCommandRules();
}

}  // namespace corvane
