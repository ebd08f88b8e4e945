// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/CLocalized.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class Prompter;
class PathList;

// Fill Database: scans folders for media and makes a profile of each, into a new database or an
// existing one. Closes with OK once a run has changed a database; the target is then current.
class CreateDatabase : public CLocalized {
    Q_OBJECT
public:
    CreateDatabase(FillSetup setup, Prompter& prompter, const LanguageManager& languages,
                   QWidget* parent = nullptr);

    PathList* directories() const { return directories_; }
    QPushButton* addDirectoryButton() const { return addDirectory_; }
    QPushButton* removeButton() const { return remove_; }
    QCheckBox* subdirectories() const { return subdirectories_; }
    QRadioButton* existingTarget() const { return existing_; }
    QComboBox* databases() const { return databases_; }
    QRadioButton* newTarget() const { return new_; }
    QLineEdit* newName() const { return newName_; }
    QLabel* addModeLabel() const { return addModeLabel_; }
    QComboBox* addMode() const { return addMode_; }
    QComboBox* naming() const { return naming_; }
    QCheckBox* backup() const { return backup_; }
    QCheckBox* medium(int index) const { return media_[index]; }
    QComboBox* machine() const { return machine_; }
    QCheckBox* extraData() const { return extraData_; }
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;
    ToolRun& run() { return run_; }

public slots:
    // Checks the choices and starts the run; the dialog stays open when they are refused.
    void startFill();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void applyTargetRule();
    FillRequest request() const;

    FillSetup setup_;
    Prompter& prompter_;
    PathList* directories_ = nullptr;
    QPushButton* addDirectory_ = nullptr;
    QPushButton* remove_ = nullptr;
    QCheckBox* subdirectories_ = nullptr;
    QRadioButton* existing_ = nullptr;
    QComboBox* databases_ = nullptr;
    QRadioButton* new_ = nullptr;
    QLineEdit* newName_ = nullptr;
    QLabel* addModeLabel_ = nullptr;
    QComboBox* addMode_ = nullptr;
    QComboBox* naming_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QCheckBox* media_[4] = {nullptr, nullptr, nullptr, nullptr};  // ROM, Disk, Tape, ZIP files
    QComboBox* machine_ = nullptr;
    QCheckBox* extraData_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
