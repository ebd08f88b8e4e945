// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "app/CommandRules.h"
#include "app/DatabaseOperations.h"
#include "model/DatabaseCounts.h"
#include "ui/common/CLocalized.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace corvane {

class DatabaseStore;
class Prompter;

// The launcher databases with their profile and backup counts and the totals: rename, delete,
// delete the backups of, or restore one, or fill one. The files, favorites, cached SHA-1s and the
// current database change through the database operations; the caller reloads its list afterwards.
class DatabaseManagerDlg : public CLocalized {
    Q_OBJECT
public:
    // The Fill button: when it is enabled, and how it opens Fill Database over this dialog.
    struct FillCommand {
        std::function<Availability()> rule;
        std::function<void(QWidget* parent)> open;
    };

    DatabaseManagerDlg(DatabaseOperations operations, DatabaseStore& store,
                       const LanguageManager& languages, Prompter& prompter, FillCommand fill,
                       QWidget* parent = nullptr);

    // Name, profiles and backups, one row per database in listing order.
    QTreeWidget* list() const { return list_; }
    QPushButton* renameButton() const { return rename_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* deleteBackupsButton() const { return deleteBackups_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* fillButton() const { return fillButton_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* totalDatabases() const { return totals_[0]; }
    QLabel* totalProfiles() const { return totals_[1]; }
    QLabel* totalBackups() const { return totals_[2]; }

public slots:
    void renameSelected();
    void deleteSelected();
    void deleteSelectedBackups();
    void restoreSelected();
    // Fill Database, then the list afresh with nothing selected.
    void fillDatabase();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    // Rebuilds the rows and totals; selects the named database when it is listed.
    void fillList(const std::string& select);
    void applyEnabling();
    // The database of the selected row; empty when none is selected.
    std::string selectedName() const;
    // The question about the selected database: the text of key, the name in quotes, "?".
    bool confirmAbout(const char* key, const std::string& name);

    DatabaseOperations operations_;
    DatabaseStore& store_;
    Prompter& prompter_;
    FillCommand fill_;
    DatabaseCounts counts_;
    QTreeWidget* list_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* deleteBackups_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* fillButton_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* totals_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace corvane
