// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/PathEdit.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace corvane {

namespace {

QString droppedPath(const QMimeData* mime, PathEdit::Kind kind) {
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            continue;
        QFileInfo info(url.toLocalFile());
        // A folder box takes the folder of a dropped file, e.g. of the emulator's executable.
        if (kind == PathEdit::Kind::Folder && !info.isDir())
            info = QFileInfo(info.absolutePath());
        return QDir::toNativeSeparators(info.absoluteFilePath());
    }
    return {};
}

// Takes or refuses a drag that carries URLs; false leaves a plain text drag to the line edit.
bool judgeUrlDrag(QDropEvent* event, PathEdit::Kind kind) {
    if (!event->mimeData() || !event->mimeData()->hasUrls())
        return false;
    if (droppedPath(event->mimeData(), kind).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
    return true;
}

}  // namespace

PathEdit::PathEdit(Kind kind, QWidget* parent) : QLineEdit(parent), kind_(kind) {
    setAcceptDrops(true);
}

void PathEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!judgeUrlDrag(event, kind_))
        QLineEdit::dragEnterEvent(event);
}

void PathEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!judgeUrlDrag(event, kind_))
        QLineEdit::dragMoveEvent(event);
}

void PathEdit::dropEvent(QDropEvent* event) {
    if (event->mimeData() && event->mimeData()->hasUrls()) {
        const QString path = droppedPath(event->mimeData(), kind_);
        if (path.isEmpty()) {
            event->ignore();
            return;
        }
        setText(path);
        emit textEdited(path);
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

}  // namespace corvane
