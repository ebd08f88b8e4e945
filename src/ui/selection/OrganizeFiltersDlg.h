// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QListWidget;
class QMenu;
class QPushButton;

namespace corvane {

class ListCopyMenu;

class Prompter;
class SavedFilters;

// Rename, delete and sort the saved filters. Every change is written as it is made, so there is
// nothing to cancel; a failed write is reported and the change stays for this run.
class OrganizeFiltersDlg : public CLocalized {
    Q_OBJECT
public:
    OrganizeFiltersDlg(SavedFilters& saved, const LanguageManager& languages, Prompter& prompter,
                       QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    QPushButton* renameButton() const { return rename_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* sortButton() const { return sort_; }
    QPushButton* okButton() const { return ok_; }
    // The list's menu as prepared for a right click at a point of its viewport; nullptr where
    // no menu opens (empty space).
    QMenu* prepareContextMenu(const QPoint& viewportPos);

public slots:
    void renameSelected();
    void deleteSelected();
    void sortFilters();
    // The selected names in list order, CR LF between them.
    void copySelected();
    void selectAll();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void selectionChanged();

    SavedFilters& saved_;
    Prompter& prompter_;
    QListWidget* list_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* sort_ = nullptr;
    QPushButton* ok_ = nullptr;
    ListCopyMenu* copyMenu_ = nullptr;
};

}  // namespace corvane
