// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/CsvExportOperation.h"
#include "emulator/SoftwareSources.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class Prompter;

// What Export to CSV works with: the use case and where the software databases are.
struct CsvExportSetup {
    CsvExportOperation& operation;
    SoftwareSources sources;
};

// Export to CSV: every profile of one database or of all of them to one file. Closes with OK
// once a file was written, in full or up to Cancel.
class ExportCSVDlg : public CLocalized {
    Q_OBJECT
public:
    ExportCSVDlg(CsvExportSetup setup, Prompter& prompter, const LanguageManager& languages,
                 QWidget* parent = nullptr);

    QRadioButton* allChoice() const { return all_; }
    QRadioButton* specificChoice() const { return specific_; }
    QComboBox* databases() const { return databases_; }
    QLineEdit* file() const { return file_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }

public slots:
    // Checks the choices, asks before an existing file is replaced, and runs the export; the
    // dialog stays open when it is refused or the user keeps the file.
    void startExport();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void browse();
    CsvExportRequest request() const;

    CsvExportSetup setup_;
    Prompter& prompter_;
    QRadioButton* all_ = nullptr;
    QRadioButton* specific_ = nullptr;
    QComboBox* databases_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPushButton* browse_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    std::optional<CsvExportJob> job_;
    ToolRun run_;
};

}  // namespace corvane
