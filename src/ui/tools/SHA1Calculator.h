// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "app/Sha1CenterOperation.h"
#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class PathEdit;
class Prompter;

// What the SHA1 Center works with: its use case, and how an emulator entry it found is shown.
struct Sha1CenterSetup {
    Sha1CenterOperation& operation;
    std::function<void(const CorvaneDBEntry& entry, QWidget* parent)> showEntry;
};

// The SHA1 Center: the SHA-1 of a file, and where the launcher's databases or the emulator's
// software databases know it. Closes with OK when the user chose to go to a launcher hit.
class SHA1Calculator : public CLocalized {
    Q_OBJECT
public:
    SHA1Calculator(Sha1CenterSetup setup, Prompter& prompter, const LanguageManager& languages,
                   QWidget* parent = nullptr);

    // The profile the user chose to go to; set once the dialog closed with OK.
    const std::optional<LauncherHit>& located() const { return located_; }
    // The chooser's filters, in the order it offers them.
    QStringList chooserFilters() const;

    PathEdit* path() const { return path_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* calculateButton() const { return calculate_; }
    QLineEdit* sha1() const { return sha1_; }
    QCheckBox* findBySha1() const { return findBySha1_; }
    QRadioButton* launcherTarget() const { return launcher_; }
    QRadioButton* corvaneTarget() const { return corvane_; }
    QPushButton* findButton() const { return find_; }
    ToolRun& run() { return run_; }

public slots:
    void calculate();
    void find();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    void applyFindRule();
    void chooseFile();
    Sha1CenterOutcome runRequest(Sha1CenterRequest request);

    Sha1CenterSetup setup_;
    Prompter& prompter_;
    PathEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* calculate_ = nullptr;
    QLineEdit* sha1_ = nullptr;
    QCheckBox* findBySha1_ = nullptr;
    QRadioButton* launcher_ = nullptr;
    QRadioButton* corvane_ = nullptr;
    QPushButton* find_ = nullptr;
    std::optional<LauncherHit> located_;
    ToolRun run_;
};

}  // namespace corvane
