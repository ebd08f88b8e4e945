// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsDiskDlg.h"

#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/editor/ZipMediumBox.h"

namespace corvane {

GameSettingsDiskDlg::GameSettingsDiskDlg(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent),
      driveA_(new ZipMediumBox(kIdEditorDiskA, "Disk A", this)),
      driveB_(new ZipMediumBox(kIdEditorDiskB, "Disk B", this)) {
    auto* layout = new QVBoxLayout(this);
    for (ZipMediumBox* drive : {driveA_, driveB_}) {
        setEditorChooser(drive->fileRow(), ChooserKind::Disk,
                         fromBytes(languages.textForId(drive->titleId())), languages);
        layout->addWidget(drive);
    }
    layout->addStretch(1);
}

void GameSettingsDiskDlg::load(const ProfileForm& form) {
    driveA_->load(form.diskA);
    driveB_->load(form.diskB);
}

void GameSettingsDiskDlg::store(ProfileForm& form) const {
    driveA_->store(form.diskA);
    driveB_->store(form.diskB);
}

}  // namespace corvane
