// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

namespace corvane {

class AdjustPathsOperation;
class Prompter;

// Adjust Relative Path: shows the leading folder all media paths share and puts a chosen folder
// in its place in every database. Closes with OK once the databases were rewritten.
class ProfileFilePathDlg : public CLocalized {
    Q_OBJECT
public:
    ProfileFilePathDlg(AdjustPathsOperation& operation, Prompter& prompter,
                       const LanguageManager& languages, QWidget* parent = nullptr);

    QLineEdit* currentPath() const { return current_; }
    QLineEdit* newPath() const { return new_; }
    QPushButton* browseButton() const { return browse_; }
    QCheckBox* backup() const { return backup_; }
    QPushButton* okButton() const;
    ToolRun& run() { return run_; }

public slots:
    // What Browse does with the folder chosen: it becomes the new path, ending in a separator.
    void setNewFolder(const QString& folder);
    void start();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();

    AdjustPathsOperation& operation_;
    Prompter& prompter_;
    // Set when a database could not be read: nothing is adjusted then.
    std::string unreadableError_;
    QLineEdit* current_ = nullptr;
    QLineEdit* new_ = nullptr;
    QPushButton* browse_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
