// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/ProfileFilePathDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/AdjustPathsOperation.h"
#include "common/Path.h"
#include "common/Prompter.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/tools/ToolDialogIds.h"

namespace corvane {

ProfileFilePathDlg::ProfileFilePathDlg(AdjustPathsOperation& operation, Prompter& prompter,
                                       const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgAdjustRelativePath, languages, parent),
      operation_(operation),
      prompter_(prompter),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void ProfileFilePathDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Adjust Relative Path"));
    auto* currentLabel = captioned<QLabel>(this, "Current Relative Path", kIdCurrentRelativePath);
    current_ = new QLineEdit(this);
    current_->setReadOnly(true);
    current_->setMinimumWidth(360);
    currentLabel->setBuddy(current_);
    auto* newLabel = captioned<QLabel>(this, "New Relative Path", kIdNewRelativePath);
    new_ = new QLineEdit(this);
    new_->setReadOnly(true);
    newLabel->setBuddy(new_);
    browse_ = captioned<QPushButton>(this, "Browse...", kIdBrowseFolder);
    browse_->setAutoDefault(false);
    backup_ = captioned<QCheckBox>(this, "Backup all databases", kIdBackupAllDatabases);
    buttons_ = createOkCancelButtons(this);

    auto* grid = new QGridLayout;
    grid->addWidget(currentLabel, 0, 0, 1, 2);
    grid->addWidget(current_, 1, 0, 1, 2);
    grid->addWidget(newLabel, 2, 0, 1, 2);
    grid->addWidget(new_, 3, 0);
    grid->addWidget(browse_, 3, 1);
    grid->addWidget(backup_, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons_);
}

void ProfileFilePathDlg::connectWidgets() {
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this);
        if (!folder.isEmpty())
            setNewFolder(folder);
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &ProfileFilePathDlg::start);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ProfileFilePathDlg::loadValues() {
    const AdjustPathsOperation::CurrentPath current = operation_.currentRelativePath();
    if (!current.unreadable.empty())
        unreadableError_ = operation_.unreadableText(current);
    current_->setText(fromBytes(current.path));
    backup_->setChecked(AdjustPathsRequest{}.backup);
    // Nothing to adjust to until a folder was chosen.
    okButton()->setEnabled(false);
}

QPushButton* ProfileFilePathDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

void ProfileFilePathDlg::setNewFolder(const QString& folder) {
    QString text = folder;
    if (!text.endsWith(QLatin1Char(kPathSeparator)))
        text += QLatin1Char(kPathSeparator);
    new_->setText(text);
    okButton()->setEnabled(true);
}

void ProfileFilePathDlg::start() {
    if (!unreadableError_.empty()) {
        prompter_.message(unreadableError_, MessageKind::Error);
        return;
    }
    AdjustPathsRequest request{toBytes(current_->text()), toBytes(new_->text()),
                               backup_->isChecked()};
    std::optional<AdjustPathsJob> job;
    ToolSteps steps{operation_.refusal(request), {}, {}};
    if (!steps.refusal)
        job.emplace(operation_.prepare(std::move(request)));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [this, &job] { return operation_.finish(*job); };
    run_.run(steps, "PR_ADJUST_PATHS");
}

}  // namespace corvane
