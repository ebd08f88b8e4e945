// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ExtraDataImportRequest.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;

namespace corvane {

class ExtraDataOptionsBox;
class ImportExtraDataOperation;
class Prompter;

// Import Extra Profile Data: the extra data into every database or one chosen. Closes with OK
// once a run has written the databases.
class ImportExtraDataDlg : public CLocalized {
    Q_OBJECT
public:
    ImportExtraDataDlg(ImportExtraDataOperation& operation, Prompter& prompter,
                       const LanguageManager& languages, QWidget* parent = nullptr);

    QRadioButton* allDatabases() const { return all_; }
    QRadioButton* specificDatabase() const { return specific_; }
    QComboBox* databases() const { return databases_; }
    ExtraDataOptionsBox* options() const { return options_; }
    QCheckBox* backup() const { return backup_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }
    // Whether a run went ahead, which may have written databases even when it failed later.
    bool ran() const { return ran_; }

    ExtraDataImportRequest request() const;

public slots:
    void startImport();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    ImportExtraDataOperation& operation_;
    QRadioButton* all_ = nullptr;
    QRadioButton* specific_ = nullptr;
    QComboBox* databases_ = nullptr;
    ExtraDataOptionsBox* options_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
    bool ran_ = false;
};

}  // namespace corvane
