// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tools/ExtraDataImportRequest.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QDialogButtonBox;
class QListView;
class QPushButton;

namespace corvane {

class ExtraDataOptionsBox;
class ImportExtraDataOperation;
class Prompter;

// Set Extra Profile Data: the extra data into the profiles selected in the main window, in the
// current database. Closes with OK once a run has written the database.
class SetExtraDataDlg : public CLocalized {
    Q_OBJECT
public:
    SetExtraDataDlg(ImportExtraDataOperation& operation, std::vector<std::string> profiles,
                    Prompter& prompter, const LanguageManager& languages,
                    QWidget* parent = nullptr);

    QListView* profileList() const { return profileList_; }
    ExtraDataOptionsBox* options() const { return options_; }
    QCheckBox* backup() const { return backup_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }
    // Whether a run went ahead, which may have written the database even when it failed.
    bool ran() const { return ran_; }

    ExtraDataImportRequest request() const;

public slots:
    void startImport();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    ImportExtraDataOperation& operation_;
    std::vector<std::string> profiles_;
    QListView* profileList_ = nullptr;
    ExtraDataOptionsBox* options_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
    bool ran_ = false;
};

}  // namespace corvane
