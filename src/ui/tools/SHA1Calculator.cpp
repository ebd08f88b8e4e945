// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/SHA1Calculator.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/Prompter.h"
#include "ui/common/CaptionedControl.h"
#include "ui/common/ChooserFilter.h"
#include "ui/common/TextCodec.h"
#include "ui/selection/SelectionIds.h"
#include "ui/settings/PathEdit.h"
#include "ui/tools/SHA1CalculatorIds.h"

namespace corvane {

namespace {
// Wide enough for the 40 digits of a SHA-1.
constexpr int kSha1Width = 44;
}  // namespace

SHA1Calculator::SHA1Calculator(Sha1CenterSetup setup, Prompter& prompter,
                               const LanguageManager& languages, QWidget* parent)
    : CLocalized(kDlgSha1Center, languages, parent),
      setup_(std::move(setup)),
      prompter_(prompter),
      run_(prompter, languages, this) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void SHA1Calculator::createWidgets() {
    setWindowTitle(QStringLiteral("SHA1 Center"));
    path_ = new PathEdit(PathEdit::Kind::File, this);
    browse_ = captioned<QPushButton>(this, "Browse", kIdBrowseFile);
    browse_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    calculate_ = captioned<QPushButton>(this, "Calculate", kIdCalculate);
    sha1_ = new QLineEdit(this);
    sha1_->setMinimumWidth(fontMetrics().averageCharWidth() * kSha1Width);
    findBySha1_ = captioned<QCheckBox>(this, "Find by SHA1 code in", kIdFindBySha1);
    launcher_ = captioned<QRadioButton>(this, "Launcher", kIdSearchLauncher);
    corvane_ = captioned<QRadioButton>(this, "Corvane Database", kIdSearchCorvane);
    find_ = captioned<QPushButton>(this, "Find", kIdFindSha1);
    for (QPushButton* button : {browse_, calculate_, find_})
        button->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(path_, 0, 0);
    fields->addWidget(browse_, 0, 1);
    fields->addWidget(sha1_, 1, 0);
    fields->addWidget(calculate_, 1, 1);
    fields->setColumnStretch(0, 1);
    auto* search = new QHBoxLayout;
    search->addWidget(findBySha1_);
    search->addWidget(launcher_);
    search->addWidget(corvane_);
    search->addStretch();
    search->addWidget(find_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(search);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

void SHA1Calculator::connectWidgets() {
    connect(browse_, &QPushButton::clicked, this, &SHA1Calculator::chooseFile);
    connect(calculate_, &QPushButton::clicked, this, &SHA1Calculator::calculate);
    connect(find_, &QPushButton::clicked, this, &SHA1Calculator::find);
    connect(findBySha1_, &QCheckBox::toggled, this, &SHA1Calculator::applyFindRule);
}

void SHA1Calculator::loadValues() {
    const Sha1CenterRequest initial;
    findBySha1_->setChecked(initial.find);
    (initial.target == Sha1Target::Launcher ? launcher_ : corvane_)->setChecked(true);
    applyFindRule();
}

void SHA1Calculator::applyFindRule() {
    const bool on = findBySha1_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{launcher_, corvane_, find_})
        control->setEnabled(on);
}

QStringList SHA1Calculator::chooserFilters() const {
    return ChooserFilter::toQtList(
        textForKey("L_ROM_IMAGE") +
        QStringLiteral(" (*.rom,*.ri,*.mx1,*.mx2,*.col,*.sc,*.sg,*.sms)|"
                       "*.rom;*.ri;*.mx1;*.mx2;*.col;*.sc;*.sg;*.sms|") +
        textForKey("L_DISK_IMAGE") +
        QStringLiteral(
            " (*.dsk,*.di1,*.di2,*.360,*.720,*.sf7)|*.dsk;*.di1;*.di2;*.360;*.720;*.sf7|") +
        textForKey("L_TAPE_IMAGE") + QStringLiteral(" (*.cas,*.wav)|*.cas;*.wav|") +
        textForKey("L_ALL_FILES") + QStringLiteral(" (*.*)|*.*||"));
}

void SHA1Calculator::chooseFile() {
    QFileDialog chooser(this);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilters(chooserFilters());
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    path_->setText(QDir::toNativeSeparators(chooser.selectedFiles().first()));
}

Sha1CenterOutcome SHA1Calculator::runRequest(Sha1CenterRequest request) {
    Sha1CenterOperation& operation = setup_.operation;
    const char* title = Sha1CenterOperation::progressTitleKey(request);
    std::optional<Sha1CenterJob> job(operation.prepare(std::move(request)));
    Sha1CenterOutcome outcome;
    ToolSteps steps{std::nullopt, [&job](Progress& progress) { job->run(progress); },
                    [&] {
                        outcome = operation.finish(*job);
                        // What follows is asked and shown by the dialog itself; an error is the
                        // runner's to show.
                        ToolReport report;
                        report.error = outcome.error;
                        return report;
                    }};
    run_.run(steps, title);
    if (outcome.shownSha1)
        sha1_->setText(fromBytes(*outcome.shownSha1));
    return outcome;
}

void SHA1Calculator::calculate() {
    runRequest({toBytes(path_->text())});
}

void SHA1Calculator::find() {
    const Sha1Target target = launcher_->isChecked() ? Sha1Target::Launcher : Sha1Target::Emulator;
    const Sha1CenterOutcome outcome = runRequest({toBytes(path_->text()), true, target});
    if (!outcome.notFound.empty())
        prompter_.message(outcome.notFound, MessageKind::Info);
    if (outcome.entry)
        setup_.showEntry(*outcome.entry, this);
    if (outcome.profile &&
        prompter_.confirm(toBytes(textForKey("M_FOUND_LAUNCHER") + QLatin1Char(' ') +
                                  textForId(kIdLocateQuestion)))) {
        located_ = outcome.profile;
        accept();
    }
}

}  // namespace corvane
