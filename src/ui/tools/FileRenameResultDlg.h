// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RenameOperation.h"
#include "ui/common/CLocalized.h"

class QLabel;
class QListWidget;
class QMenu;
class QPoint;

namespace corvane {

class ListCopyMenu;

// What a run of Rename Files came to: both counts, and the profiles with a file not renamed,
// whose names can be copied.
class FileRenameResultDlg : public CLocalized {
    Q_OBJECT
public:
    FileRenameResultDlg(const RenameTotals& totals, const LanguageManager& languages,
                        QWidget* parent = nullptr);

    QLabel* renamedCount() const { return renamed_; }
    QLabel* notRenamedCount() const { return notRenamed_; }
    QListWidget* profiles() const { return list_; }
    // Selects the item under the point alone unless it is selected already; null off the items.
    QMenu* prepareContextMenu(const QPoint& viewportPos);

public slots:
    // The selected names, one a line, onto the clipboard.
    void copySelected();
    void selectAll();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    const RenameTotals& totals_;
    QLabel* renamed_ = nullptr;
    QLabel* notRenamed_ = nullptr;
    QListWidget* list_ = nullptr;
    ListCopyMenu* copyMenu_ = nullptr;
};

}  // namespace corvane
