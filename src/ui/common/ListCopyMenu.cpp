// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ListCopyMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>

namespace corvane {

ListCopyMenu::ListCopyMenu(QListWidget* list, const QString& copyCaption,
                           const QString& selectAllCaption)
    : QObject(list), list_(list), menu_(new QMenu(list)) {
    // The shortcuts are shown in the menu; the list's keys are taken by the filter below.
    QAction* copy = menu_->addAction(copyCaption, this, &ListCopyMenu::copySelected);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QAction* all = menu_->addAction(selectAllCaption, this, &ListCopyMenu::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setShortcutContext(Qt::WidgetShortcut);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QMenu* menu = prepare(pos))
            menu->popup(list_->viewport()->mapToGlobal(pos));
    });
}

QMenu* ListCopyMenu::prepare(const QPoint& viewportPos) {
    QListWidgetItem* item = list_->itemAt(viewportPos);
    if (!item)
        return nullptr;
    if (!item->isSelected()) {
        list_->clearSelection();
        item->setSelected(true);
    }
    list_->setCurrentItem(item, QItemSelectionModel::NoUpdate);
    return menu_;
}

void ListCopyMenu::copySelected() {
    QStringList names;
    for (int row = 0; row < list_->count(); ++row)
        if (list_->item(row)->isSelected())
            names.append(list_->item(row)->text());
    QApplication::clipboard()->setText(names.join(QStringLiteral("\r\n")));
}

void ListCopyMenu::selectAll() {
    list_->selectAll();
}

bool ListCopyMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copySelected();
            return true;
        }
        if (key->matches(QKeySequence::SelectAll)) {
            selectAll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
