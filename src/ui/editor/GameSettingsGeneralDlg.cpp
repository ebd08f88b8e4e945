// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsGeneralDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "i18n/LanguageManager.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/settings/PathRow.h"

namespace corvane {

GameSettingsGeneralDlg::GameSettingsGeneralDlg(const LanguageManager& languages,
                                               const std::vector<std::string>& machines,
                                               QWidget* parent)
    : QWidget(parent) {
    createWidgets(languages, machines);
}

void GameSettingsGeneralDlg::createWidgets(const LanguageManager& languages,
                                           const std::vector<std::string>& machines) {
    name_ = new QLineEdit(this);
    machine_ = new QComboBox(this);
    for (const std::string& machine : machines)
        machine_->addItem(fromBytes(machine), itemBytes(machine));
    machine_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    machine_->setMinimumContentsLength(24);
    infoFile_ = new PathRow(PathEdit::Kind::File, true, this);
    setEditorChooser(infoFile_, ChooserKind::InfoFile,
                     fromBytes(languages.textForId(kIdEditorInfoFile)), languages);

    auto* layout = new QFormLayout(this);
    layout->addRow(captioned<QLabel>(kIdEditorName, "Name", this), name_);
    layout->addRow(captioned<QLabel>(kIdEditorMachine, "Machine", this), machine_);
    layout->addRow(captioned<QLabel>(kIdEditorInfoFile, "Info File", this), infoFile_);
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
}

void GameSettingsGeneralDlg::load(const ProfileForm& form, bool newProfile) {
    loaded_ = form;
    name_->setText(fromBytes(form.name));
    int index = machine_->findData(itemBytes(form.machine));
    // A machine this installation does not offer stays the profile's until another is chosen.
    if (index < 0 && !form.machine.empty() && !newProfile) {
        machine_->addItem(fromBytes(form.machine), itemBytes(form.machine));
        index = machine_->count() - 1;
    }
    machine_->setCurrentIndex(index);
    infoFile_->edit()->setText(fromBytes(form.infoFile));
}

void GameSettingsGeneralDlg::store(ProfileForm& form) const {
    form.name = keptBytes(name_->text(), loaded_.name);
    form.machine =
        machine_->currentIndex() >= 0 ? bytesOfItem(machine_->currentData()) : std::string();
    form.infoFile = keptBytes(infoFile_->edit()->text(), loaded_.infoFile);
}

}  // namespace corvane
