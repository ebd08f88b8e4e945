// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ChangeMachineSelection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "app/SetMachineOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/ToolDialogIds.h"

namespace corvane {

ChangeMachineSelection::ChangeMachineSelection(SetMachineOperation& operation,
                                               std::vector<std::string> machines,
                                               Prompter& prompter, const LanguageManager& languages,
                                               QWidget* parent)
    : CLocalized(kDlgMachineSelection, languages, parent),
      operation_(operation),
      machines_(std::move(machines)),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void ChangeMachineSelection::createWidgets() {
    setWindowTitle(QStringLiteral("Machine Selection"));

    auto* database = captioned<QGroupBox>(this, "Database", kIdDatabaseGroup);
    databases_ = new QComboBox(database);
    auto* databaseLayout = new QVBoxLayout(database);
    databaseLayout->addWidget(databases_);

    auto* machine = captioned<QGroupBox>(this, "Machine", kIdMachineGroup);
    specific_ = captioned<QRadioButton>(machine, "Specific machine :", kIdSpecificMachine);
    machine_ = createMachineCombo(machines_, machine);
    minimum_ = captioned<QRadioButton>(machine, "Minimum required machine", kIdMinimumMachine);
    auto* machineLayout = new QGridLayout(machine);
    machineLayout->addWidget(specific_, 0, 0);
    machineLayout->addWidget(machine_, 0, 1);
    machineLayout->addWidget(minimum_, 1, 0, 1, 2);
    machineLayout->setColumnStretch(1, 1);

    auto* options = captioned<QGroupBox>(this, "Options", kIdOptionsGroup);
    all_ = captioned<QRadioButton>(options, "Set machine for all profiles", kIdAllProfiles);
    missing_ = captioned<QRadioButton>(
        options, "Set machine for profiles with non-existent machine", kIdMissingMachine);
    backup_ = captioned<QCheckBox>(options, "Backup existing database", kIdBackupDatabase);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(all_);
    optionsLayout->addWidget(missing_);
    optionsLayout->addWidget(backup_);

    buttons_ = createOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(database);
    layout->addWidget(machine);
    layout->addWidget(options);
    layout->addWidget(buttons_);
}

void ChangeMachineSelection::connectWidgets() {
    // The machine list serves only the chosen-machine choice.
    connect(specific_, &QRadioButton::toggled, machine_, &QWidget::setEnabled);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ChangeMachineSelection::start);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ChangeMachineSelection::loadValues() {
    std::vector<std::string> names = operation_.databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        databases_->addItem(fromBytes(name), itemBytes(name));
    databases_->setCurrentIndex(databases_->findData(itemBytes(operation_.currentDatabase())));
    const SetMachineRequest defaults;
    specific_->setChecked(!defaults.options.minimumMachine);
    minimum_->setChecked(defaults.options.minimumMachine);
    machine_->setEnabled(!defaults.options.minimumMachine);
    all_->setChecked(!defaults.options.onlyMissing);
    missing_->setChecked(defaults.options.onlyMissing);
    backup_->setChecked(defaults.backup);
}

SetMachineRequest ChangeMachineSelection::request() const {
    SetMachineRequest request;
    request.databaseName = bytesOfItem(databases_->currentData());
    request.options.minimumMachine = minimum_->isChecked();
    request.options.machine = chosenMachine(machine_);
    request.options.onlyMissing = missing_->isChecked();
    request.backup = backup_->isChecked();
    return request;
}

void ChangeMachineSelection::start() {
    SetMachineRequest chosen = request();
    std::optional<SetMachineJob> job;
    ToolSteps steps{operation_.refusal(chosen), {}, {}};
    if (!steps.refusal)
        job.emplace(operation_.prepare(std::move(chosen), machines_));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [this, &job] { return operation_.finish(*job); };
    run_.run(steps, "PR_SET_MACHINE");
}

}  // namespace corvane
