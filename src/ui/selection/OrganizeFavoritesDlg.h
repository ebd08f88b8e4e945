// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"

class QPushButton;
class QTreeWidget;

namespace corvane {

class Favorites;
class Prompter;

// Delete and sort the favorites. Every change is written as it is made, so there is nothing to
// cancel; a failed write is reported and the change stays for this run.
class OrganizeFavoritesDlg : public CLocalized {
    Q_OBJECT
public:
    OrganizeFavoritesDlg(Favorites& favorites, const LanguageManager& languages, Prompter& prompter,
                         QWidget* parent = nullptr);

    // Profile name and database name, one row per favorite in store order.
    QTreeWidget* list() const { return list_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* sortButton() const { return sort_; }
    QPushButton* okButton() const { return ok_; }

public slots:
    void deleteSelected();
    void sortFavorites();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    Favorites& favorites_;
    Prompter& prompter_;
    QTreeWidget* list_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* sort_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace corvane
