// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/FileManagerDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/RenameOperation.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/FileRenameConfirmationDlg.h"
#include "ui/tools/FileRenameIds.h"
#include "ui/tools/FileRenameResultDlg.h"

namespace corvane {

FileManagerDlg::FileManagerDlg(RenameSetup setup, Prompter& prompter,
                               const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgRenameFiles, languages, parent),
      setup_(std::move(setup)),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void FileManagerDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Rename Files"));
    auto* database = captioned<QGroupBox>(this, "Launcher Database", kIdRenameDatabaseGroup);
    databases_ = new QComboBox(database);
    databases_->setMinimumContentsLength(20);
    auto* databaseLayout = new QVBoxLayout(database);
    databaseLayout->addWidget(databases_);
    auto* ruleLabel = captioned<QLabel>(database, "Rename files in database:", kIdRenameRuleLabel);
    databaseLayout->addWidget(ruleLabel);
    const std::pair<const char*, int> rules[] = {
        {"8.3 format", kIdShortFormat},
        {"Same as name in Launcher", kIdSameAsName},
        {"Same as title in Corvane database", kIdSameAsTitle}};
    for (int i = 0; i < 3; ++i) {
        rules_[i] = captioned<QRadioButton>(database, rules[i].first, rules[i].second);
        databaseLayout->addWidget(rules_[i]);
    }

    auto* media = captioned<QGroupBox>(this, "Media to Rename", kIdRenameMediaGroup);
    const std::pair<const char*, int> kinds[] = {{"ROM", kIdRenameRom},
                                                 {"Disk", kIdRenameDisk},
                                                 {"Tape", kIdRenameTape},
                                                 {"Hard Disk", kIdRenameHardDisk}};
    auto* mediaLayout = new QVBoxLayout(media);
    for (int i = 0; i < 4; ++i) {
        media_[i] = tickedBox(media, kinds[i].first, kinds[i].second);
        mediaLayout->addWidget(media_[i]);
    }
    mediaLayout->addStretch();

    buttons_ = createOkCancelButtons(this);
    auto* middle = new QHBoxLayout;
    middle->addWidget(database, 1);
    middle->addWidget(media);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle);
    layout->addWidget(buttons_);
}

void FileManagerDlg::connectWidgets() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &FileManagerDlg::startRename);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FileManagerDlg::loadValues() {
    std::vector<std::string> names = setup_.operation.databaseNames();
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        databases_->addItem(fromBytes(name), itemBytes(name));
    databases_->setCurrentIndex(
        std::max(0, databases_->findData(itemBytes(setup_.operation.currentDatabase()))));
    rules_[0]->setChecked(true);
}

QPushButton* FileManagerDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

FileRenameRequest FileManagerDlg::request() const {
    FileRenameRequest request;
    request.databaseName = bytesOfItem(databases_->currentData());
    request.rule = rules_[1]->isChecked()   ? RenameRule::ProfileName
                   : rules_[2]->isChecked() ? RenameRule::SoftwareTitle
                                            : RenameRule::ShortFormat;
    request.media = {.rom = media_[0]->isChecked(),
                     .disk = media_[1]->isChecked(),
                     .tape = media_[2]->isChecked(),
                     .hardDisk = media_[3]->isChecked()};
    return request;
}

void FileManagerDlg::startRename() {
    FileRenameConfirmationDlg confirmation(languages(), this);
    if (confirmation.exec() != QDialog::Accepted)
        return;
    RenameOperation& operation = setup_.operation;
    const FileRenameRequest chosen = request();
    std::optional<RenameJob> job;
    ToolSteps steps{operation.refusal(chosen), {}, {}};
    if (!steps.refusal)
        job.emplace(operation.prepare(chosen, setup_.sources));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [&operation, &job] { return operation.finish(*job); };
    if (run_.run(steps, "M_PROCESS_FILES") != OperationResult::Done)
        return;
    FileRenameResultDlg result(job->totals(), languages(), this);
    result.exec();
}

}  // namespace corvane
