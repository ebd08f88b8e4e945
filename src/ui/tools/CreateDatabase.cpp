// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/CreateDatabase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FillOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/CreateDatabaseIds.h"
#include "ui/tools/FillChoices.h"
#include "ui/tools/PathList.h"

namespace corvane {

namespace {
constexpr int kNewNameLength = 25;
}  // namespace

CreateDatabase::CreateDatabase(FillSetup setup, Prompter& prompter,
                               const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgFillDatabase, languages, parent),
      setup_(std::move(setup)),
      prompter_(prompter),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void CreateDatabase::createWidgets() {
    setWindowTitle(QStringLiteral("Fill Database"));

    auto* folders = captioned<QGroupBox>(this, "Directories to scan", kIdDirectoriesGroup);
    directories_ = new PathList(folders);
    directories_->setSelectionMode(QAbstractItemView::SingleSelection);
    directories_->setMinimumSize(380, 120);
    addDirectory_ = captioned<QPushButton>(folders, "Add Directory", kIdAddDirectory);
    remove_ = captioned<QPushButton>(folders, "Remove", kIdRemoveEntry);
    for (QPushButton* button : {addDirectory_, remove_})
        button->setAutoDefault(false);
    subdirectories_ = tickedBox(folders, "Search subdirectories", kIdSearchSubdirectories);
    auto* folderButtons = new QVBoxLayout;
    folderButtons->addWidget(addDirectory_);
    folderButtons->addWidget(remove_);
    folderButtons->addStretch();
    auto* folderLayout = new QGridLayout(folders);
    folderLayout->addWidget(directories_, 0, 0);
    folderLayout->addLayout(folderButtons, 0, 1);
    folderLayout->addWidget(subdirectories_, 1, 0, 1, 2);

    auto* target = captioned<QGroupBox>(this, "Target database", kIdTargetGroup);
    existing_ = captioned<QRadioButton>(target, "Existing", kIdExistingDatabase);
    databases_ = new QComboBox(target);
    new_ = captioned<QRadioButton>(target, "New", kIdNewDatabase);
    newName_ = new QLineEdit(target);
    newName_->setMaxLength(kNewNameLength);
    addModeLabel_ = captioned<QLabel>(target, "Add mode :", kIdAddModeLabel);
    addMode_ = new QComboBox(target);
    for (int id : {kIdAppend, kIdOverwrite})
        addMode_->addItem(textForId(id));
    addModeLabel_->setBuddy(addMode_);
    backup_ = tickedBox(target, "Backup existing database", kIdBackup);
    auto* targetLayout = new QGridLayout(target);
    targetLayout->addWidget(existing_, 0, 0);
    targetLayout->addWidget(databases_, 0, 1);
    targetLayout->addWidget(new_, 1, 0);
    targetLayout->addWidget(newName_, 1, 1);
    targetLayout->addWidget(addModeLabel_, 2, 0);
    targetLayout->addWidget(addMode_, 2, 1);
    targetLayout->addWidget(backup_, 3, 0, 1, 2);
    targetLayout->setColumnStretch(1, 1);

    auto* media = captioned<QGroupBox>(this, "Media to look for", kIdMediaGroup);
    const std::pair<const char*, int> kinds[] = {
        {"ROM", kIdRom}, {"Disk", kIdDisk}, {"Tape", kIdTape}, {"ZIP files", kIdZipFiles}};
    auto* mediaLayout = new QVBoxLayout(media);
    for (int i = 0; i < 4; ++i) {
        media_[i] = tickedBox(media, kinds[i].first, kinds[i].second);
        mediaLayout->addWidget(media_[i]);
    }
    mediaLayout->addStretch();

    auto* namingLabel = captioned<QLabel>(this, "Profile name in launcher :", kIdNamingLabel);
    naming_ = createNamingCombo(languages(), this);
    namingLabel->setBuddy(naming_);
    auto* machineLabel = captioned<QLabel>(this, "Machine :", kIdMachineLabel);
    machine_ = createMachineCombo(setup_.machines, this);
    machineLabel->setBuddy(machine_);
    extraData_ = tickedBox(this, "Import extra profile data", kIdExtraData);
    auto* options = new QGridLayout;
    options->addWidget(namingLabel, 0, 0);
    options->addWidget(naming_, 0, 1);
    options->addWidget(machineLabel, 1, 0);
    options->addWidget(machine_, 1, 1);
    options->addWidget(extraData_, 2, 0, 1, 2);
    options->setColumnStretch(1, 1);

    buttons_ = createOkCancelButtons(this);

    auto* middle = new QHBoxLayout;
    middle->addWidget(target, 1);
    middle->addWidget(media);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folders, 1);
    layout->addLayout(middle);
    layout->addLayout(options);
    layout->addWidget(buttons_);
}

void CreateDatabase::connectWidgets() {
    connect(addDirectory_, &QPushButton::clicked, this,
            [this] { directories_->addChosenDirectory(prompter_, languages()); });
    connect(remove_, &QPushButton::clicked, directories_, &PathList::removeSelected);
    connect(existing_, &QRadioButton::toggled, this, &CreateDatabase::applyTargetRule);
    // Choosing New is choosing to type its name.
    connect(new_, &QRadioButton::clicked, newName_, [this] { newName_->setFocus(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &CreateDatabase::startFill);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CreateDatabase::loadValues() {
    std::vector<std::string> names = setup_.operation.databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        databases_->addItem(fromBytes(name), itemBytes(name));
    databases_->setCurrentIndex(
        databases_->findData(itemBytes(setup_.operation.currentDatabase())));
    // Without a database there is nothing to add to.
    existing_->setEnabled(!names.empty());
    (names.empty() ? new_ : existing_)->setChecked(true);
    applyTargetRule();
}

void CreateDatabase::applyTargetRule() {
    const bool toExisting = existing_->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{databases_, addModeLabel_, addMode_, backup_})
        control->setEnabled(toExisting);
    newName_->setEnabled(!toExisting);
}

QPushButton* CreateDatabase::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* CreateDatabase::cancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

FillRequest CreateDatabase::request() const {
    FillRequest request;
    request.paths = directories_->paths();
    request.searchSubdirectories = subdirectories_->isChecked();
    request.target = existing_->isChecked() ? FillTarget::Existing : FillTarget::New;
    request.databaseName = request.target == FillTarget::Existing
                               ? bytesOfItem(databases_->currentData())
                               : toBytes(newName_->text());
    request.mode = addMode_->currentIndex() == 1 ? FillMode::Overwrite : FillMode::Append;
    request.naming = chosenNaming(naming_);
    request.backup = backup_->isChecked();
    request.media = {media_[0]->isChecked(), media_[1]->isChecked(), media_[2]->isChecked(),
                     media_[3]->isChecked()};
    request.machine = chosenMachine(machine_);
    request.extraData = extraData_->isChecked();
    return request;
}

void CreateDatabase::startFill() {
    std::optional<FillJob> job;
    run_.run(fillSteps(setup_, request(), job), "L_SCANNING");
}

}  // namespace corvane
