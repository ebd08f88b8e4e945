// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ui/common/CLocalized.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QPushButton;

namespace corvane {

class Prompter;
class PathList;

// Add to Current Database: files and folders dropped on the main window, and more chosen here,
// are filled into the current database. Closes with OK once a run has changed it.
class DragAndDrop : public CLocalized {
    Q_OBJECT
public:
    DragAndDrop(FillSetup setup, Prompter& prompter, const LanguageManager& languages,
                const std::vector<std::string>& paths, QWidget* parent = nullptr);

    PathList* paths() const { return paths_; }
    QPushButton* addFileButton() const { return addFile_; }
    QPushButton* addDirectoryButton() const { return addDirectory_; }
    QPushButton* removeButton() const { return remove_; }
    QCheckBox* subdirectories() const { return subdirectories_; }
    QCheckBox* backup() const { return backup_; }
    QCheckBox* extraData() const { return extraData_; }
    QComboBox* naming() const { return naming_; }
    QComboBox* machine() const { return machine_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* cancelButton() const { return cancel_; }
    ToolRun& run() { return run_; }

public slots:
    // Starts the run; the dialog stays open when there is nothing to add.
    void startFill();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues(const std::vector<std::string>& paths);

    FillSetup setup_;
    Prompter& prompter_;
    PathList* paths_ = nullptr;
    QPushButton* addFile_ = nullptr;
    QPushButton* addDirectory_ = nullptr;
    QPushButton* remove_ = nullptr;
    QCheckBox* subdirectories_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QCheckBox* extraData_ = nullptr;
    QComboBox* naming_ = nullptr;
    QComboBox* machine_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
