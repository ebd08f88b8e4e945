// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "ui/common/CLocalized.h"
#include "ui/tools/ToolRun.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QRadioButton;

namespace corvane {

class Prompter;
class SetMachineOperation;
struct SetMachineRequest;

// Set Machine: gives the profiles of one database a chosen machine, or the minimum machine of
// their extra data. Closes with OK once the database was rewritten.
class ChangeMachineSelection : public CLocalized {
    Q_OBJECT
public:
    ChangeMachineSelection(SetMachineOperation& operation, std::vector<std::string> machines,
                           Prompter& prompter, const LanguageManager& languages,
                           QWidget* parent = nullptr);

    QComboBox* databases() const { return databases_; }
    QRadioButton* specificMachine() const { return specific_; }
    QComboBox* machine() const { return machine_; }
    QRadioButton* minimumMachine() const { return minimum_; }
    QRadioButton* allProfiles() const { return all_; }
    QRadioButton* missingMachine() const { return missing_; }
    QCheckBox* backup() const { return backup_; }
    QDialogButtonBox* buttons() const { return buttons_; }
    ToolRun& run() { return run_; }

public slots:
    void start();

private:
    void createWidgets();
    void connectWidgets();
    void loadValues();
    SetMachineRequest request() const;

    SetMachineOperation& operation_;
    std::vector<std::string> machines_;
    QComboBox* databases_ = nullptr;
    QRadioButton* specific_ = nullptr;
    QComboBox* machine_ = nullptr;
    QRadioButton* minimum_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* missing_ = nullptr;
    QCheckBox* backup_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    ToolRun run_;
};

}  // namespace corvane
