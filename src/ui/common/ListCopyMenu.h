// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QListWidget;
class QMenu;
class QPoint;

namespace corvane {

// The Copy and Select All of a list of names: its right-click menu and its Ctrl+C and Ctrl+A.
// Copy puts the selected names on the clipboard in list order, CR LF between them.
class ListCopyMenu : public QObject {
    Q_OBJECT
public:
    ListCopyMenu(QListWidget* list, const QString& copyCaption, const QString& selectAllCaption);

    // The menu as prepared for a right click at a point of the list's viewport: the item there
    // is selected alone unless it is selected already. nullptr off the items.
    QMenu* prepare(const QPoint& viewportPos);
    void copySelected();
    void selectAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list_;
    QMenu* menu_;
};

}  // namespace corvane
