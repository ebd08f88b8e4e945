// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders dropped on the main window go to Add to Current Database.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/CCorvaneLauncherApp.h"
#include "ui/main/CCorvaneLauncherDlg.h"
#include "ui/tools/DragAndDrop.h"

namespace corvane {

namespace {

// The local paths of a drop in its order, as the bytes the file system knows them by: the
// percent-encoded path of a file URL is those bytes, UTF-8 or not.
std::vector<std::string> droppedPaths(const QMimeData* mime) {
    std::vector<std::string> paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!bytes.isEmpty())
            paths.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
    }
    return paths;
}

}  // namespace

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
    DragAndDrop dialog(app_, paths, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    loadList();
    applyCommandRules();
}

}  // namespace corvane
