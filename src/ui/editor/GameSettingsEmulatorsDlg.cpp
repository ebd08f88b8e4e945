// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsEmulatorsDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <tuple>

#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorIds.h"

namespace corvane {

GameSettingsEmulatorsDlg::GameSettingsEmulatorsDlg(QWidget* parent)
    : QWidget(parent),
      openMsx_(new QLineEdit(this)),
      openMsxOverride_(captioned<QCheckBox>(
          kIdEditorOpenMsxOverride, "Override openMSX arguments set in Launcher settings", this)),
      fmsx_(new QLineEdit(this)),
      fmsxOverride_(captioned<QCheckBox>(
          kIdEditorFmsxOverride, "Override fMSX arguments set in Launcher settings", this)) {
    auto* layout = new QVBoxLayout(this);
    const std::tuple<int, const char*, QLineEdit*, QCheckBox*> emulators[] = {
        {kIdEditorOpenMsxArguments, "openMSX Arguments", openMsx_, openMsxOverride_},
        {kIdEditorFmsxArguments, "fMSX Arguments", fmsx_, fmsxOverride_}};
    for (const auto& [id, title, edit, overrideBox] : emulators) {
        auto* box = captioned<QGroupBox>(id, title, this);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(edit);
        boxLayout->addWidget(overrideBox);
        layout->addWidget(box);
    }
    layout->addStretch(1);
}

void GameSettingsEmulatorsDlg::load(const ProfileForm& form) {
    loaded_ = form;
    openMsx_->setText(fromBytes(form.openMsxArguments));
    openMsxOverride_->setChecked(form.openMsxOverride);
    fmsx_->setText(fromBytes(form.fmsxArguments));
    fmsxOverride_->setChecked(form.fmsxOverride);
}

void GameSettingsEmulatorsDlg::store(ProfileForm& form) const {
    form.openMsxArguments = keptBytes(openMsx_->text(), loaded_.openMsxArguments);
    form.openMsxOverride = openMsxOverride_->isChecked();
    form.fmsxArguments = keptBytes(fmsx_->text(), loaded_.fmsxArguments);
    form.fmsxOverride = fmsxOverride_->isChecked();
}

}  // namespace corvane
