// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/IPSCenterDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>
#include <optional>

#include "ui/common/CaptionedControl.h"
#include "ui/common/OkCancelButtons.h"
#include "ui/common/TextCodec.h"
#include "ui/settings/PathRow.h"
#include "ui/tools/IPSCenterIds.h"

namespace corvane {

namespace {

constexpr int kSha1Length = 40;

PathRow* pathRow(QWidget* parent, int browseId) {
    auto* row = new PathRow(PathEdit::Kind::File, false, parent);
    CLocalized::setCatalogueId(row->browseButton(), browseId);
    // The three Browse buttons look alike.
    row->browseButton()->setIcon(parent->style()->standardIcon(QStyle::SP_DirOpenIcon));
    row->browseButton()->setAutoDefault(false);
    return row;
}

QString imageFilter(const CLocalized& dialog) {
    return dialog.textForKey("L_ROM_IMAGE") +
           QStringLiteral(
               " (*.rom,*.ri,*.mx1,*mx2,*.col,*.sc,*.sg,*.sms)"
               "|*.rom;*.ri;*.mx1;*.mx2;*.col;*.sc;*.sg;*.sms|") +
           dialog.textForKey("L_DISK_IMAGE") +
           QStringLiteral(
               " (*.dsk,*.di1,*.di2,*.360,*.720,*.sf7)"
               "|*.dsk;*.di1;*.di2;*.360;*.720;*.sf7|") +
           dialog.textForKey("L_ALL_FILES") + QStringLiteral(" (*.*)|*.*||");
}

}  // namespace

IPSCenterDlg::IPSCenterDlg(IpsOperation& operation, Prompter& prompter,
                           const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgIpsCenter, languages, parent),
      operation_(operation),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void IPSCenterDlg::createWidgets() {
    setWindowTitle(QStringLiteral("IPS Center"));

    auto* inputs = captioned<QGroupBox>(this, "Inputs", kIdIpsInputsGroup);
    auto* patchLabel = captioned<QLabel>(inputs, "IPS", kIdIpsPatchLabel);
    patch_ = pathRow(inputs, kIdIpsPatchBrowse);
    patchLabel->setBuddy(patch_->edit());
    auto* sourceLabel = captioned<QLabel>(inputs, "Source", kIdIpsSourceLabel);
    source_ = pathRow(inputs, kIdIpsSourceBrowse);
    sourceLabel->setBuddy(source_->edit());
    enforce_ = captioned<QCheckBox>(inputs, "Enforce SHA1", kIdIpsEnforceSha1);
    expected_ = new QLineEdit(inputs);
    expected_->setMaxLength(kSha1Length);
    expected_->setMinimumWidth(
        expected_->fontMetrics().horizontalAdvance(QString(kSha1Length + 2, QLatin1Char('0'))));
    auto* inputLayout = new QGridLayout(inputs);
    inputLayout->addWidget(patchLabel, 0, 0);
    inputLayout->addWidget(patch_, 0, 1);
    inputLayout->addWidget(sourceLabel, 1, 0);
    inputLayout->addWidget(source_, 1, 1);
    inputLayout->addWidget(enforce_, 2, 0);
    inputLayout->addWidget(expected_, 2, 1);
    inputLayout->setColumnStretch(1, 1);

    auto* output = captioned<QGroupBox>(this, "Output", kIdIpsOutputGroup);
    separate_ =
        captioned<QRadioButton>(output, "Specify location of patched file", kIdIpsSeparateTarget);
    auto* targetLabel = captioned<QLabel>(output, "Target", kIdIpsTargetLabel);
    target_ = pathRow(output, kIdIpsTargetBrowse);
    targetLabel->setBuddy(target_->edit());
    direct_ = captioned<QRadioButton>(output, "Patch source directly", kIdIpsPatchSource);
    auto* outputLayout = new QGridLayout(output);
    outputLayout->addWidget(separate_, 0, 0, 1, 2);
    outputLayout->addWidget(targetLabel, 1, 0);
    outputLayout->addWidget(target_, 1, 1);
    outputLayout->addWidget(direct_, 2, 0, 1, 2);
    outputLayout->setColumnStretch(1, 1);

    buttons_ = createOkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addWidget(output);
    layout->addStretch();
    layout->addWidget(buttons_);
}

void IPSCenterDlg::connectWidgets() {
    connect(enforce_, &QCheckBox::toggled, expected_, &QWidget::setEnabled);
    connect(separate_, &QRadioButton::toggled, this, &IPSCenterDlg::applyOutputRule);
    connect(buttons_, &QDialogButtonBox::accepted, this, &IPSCenterDlg::startPatch);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&run_, &ToolRun::ended, this, [this](OperationResult result) {
        if (!changeMade(result))
            return;
        for (PathRow* row : {patch_, source_, target_})
            row->edit()->clear();
        enforce_->setChecked(false);
        expected_->clear();
    });
}

void IPSCenterDlg::loadValues() {
    const QString caption = textForKey("L_IPS_FILES");
    patch_->setFileChooser(QString(),
                           caption + QStringLiteral(" (*.ips)|*.ips|") + textForKey("L_ALL_FILES") +
                               QStringLiteral(" (*.*)|*.*||"),
                           QStringLiteral("ips"));
    for (PathRow* row : {source_, target_})
        row->setFileChooser(QString(), imageFilter(*this), QStringLiteral("rom"));
    const IpsRequest initial;
    enforce_->setChecked(initial.enforceSha1);
    expected_->setEnabled(initial.enforceSha1);
    (initial.separateTarget ? separate_ : direct_)->setChecked(true);
    applyOutputRule();
}

void IPSCenterDlg::applyOutputRule() {
    target_->setEnabled(separate_->isChecked());
}

QPushButton* IPSCenterDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

IpsRequest IPSCenterDlg::request() const {
    IpsRequest request;
    request.patchPath = toBytes(patch_->edit()->text());
    request.sourcePath = toBytes(source_->edit()->text());
    request.separateTarget = separate_->isChecked();
    request.targetPath = toBytes(target_->edit()->text());
    request.enforceSha1 = enforce_->isChecked();
    request.expectedSha1 = toBytes(expected_->text());
    return request;
}

void IPSCenterDlg::startPatch() {
    IpsRequest fields = request();
    ToolSteps steps{IpsOperation::refusal(fields), {}, {}, false};
    std::optional<IpsJob> job;
    if (!steps.refusal)
        job.emplace(std::move(fields));
    steps.job = [&job](Progress& progress) { job->run(progress); };
    steps.finish = [this, &job] { return operation_.finish(*job); };
    run_.run(steps, "PR_PATCH");
}

}  // namespace corvane
