// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/OtherDumpsOperation.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace corvane {

class Prompter;

// Other Dumps: the profiles of every launcher database holding another dump of a profile's
// software. Closes with OK once one of them is chosen, for the main window to show it.
class FindOtherDumpsDlg : public CLocalized {
    Q_OBJECT
public:
    FindOtherDumpsDlg(OtherDumpsOperation& operation, OtherDumpsRequest request, Prompter& prompter,
                      const LanguageManager& languages, QWidget* parent = nullptr);

    QLineEdit* nameField() const { return name_; }
    QLineEdit* databaseField() const { return database_; }
    QLineEdit* knownDumpsField() const { return known_; }
    QPushButton* findButton() const { return find_; }
    QTreeWidget* foundList() const { return list_; }
    QLabel* locateLabel() const { return locate_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }
    // The profile of the selected row; none while no row is selected.
    std::optional<OtherDump> chosen() const;

public slots:
    // Searches every database; the list shows what was found once the search got to its end.
    void search();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void selectionChanged();

    OtherDumpsOperation& operation_;
    OtherDumpsRequest request_;
    QLineEdit* name_ = nullptr;
    QLineEdit* database_ = nullptr;
    QLineEdit* known_ = nullptr;
    QPushButton* find_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* locate_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
