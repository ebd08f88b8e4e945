// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "emulator/SoftwareSources.h"
#include "tools/FileRenameRequest.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;

namespace corvane {

class Prompter;
class RenameOperation;

// What Rename Files works with: the use case, and where the software databases that give
// titles are.
struct RenameSetup {
    RenameOperation& operation;
    SoftwareSources sources;
};

// Rename Files: renames the media files of one database's profiles by a rule, after the user
// has confirmed, and shows what was and was not renamed.
class FileManagerDlg : public CLocalized {
    Q_OBJECT
public:
    FileManagerDlg(RenameSetup setup, Prompter& prompter, const LanguageManager& languages,
                   QWidget* parent = nullptr);

    QComboBox* databases() const { return databases_; }
    // 0: 8.3 format, 1: the profile's name, 2: the software's title.
    QRadioButton* rule(int index) const { return rules_[index]; }
    // 0: ROM, 1: Disk, 2: Tape, 3: Hard Disk.
    QCheckBox* medium(int index) const { return media_[index]; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }
    FileRenameRequest request() const;

public slots:
    // Asks for confirmation, runs, then shows the result; the dialog stays open when refused.
    void startRename();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    RenameSetup setup_;
    QComboBox* databases_ = nullptr;
    QRadioButton* rules_[3] = {nullptr, nullptr, nullptr};
    QCheckBox* media_[4] = {nullptr, nullptr, nullptr, nullptr};
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
