// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsTapeDlg.h"

#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/editor/ZipMediumBox.h"

namespace corvane {

GameSettingsTapeDlg::GameSettingsTapeDlg(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent), tape_(new ZipMediumBox(kIdEditorTape, "Tape", this)) {
    setEditorChooser(tape_->fileRow(), ChooserKind::Tape,
                     fromBytes(languages.textForId(kIdEditorTape)), languages);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tape_);
    layout->addStretch(1);
}

void GameSettingsTapeDlg::load(const ProfileForm& form) {
    tape_->load(form.tape);
}

void GameSettingsTapeDlg::store(ProfileForm& form) const {
    tape_->store(form.tape);
}

}  // namespace corvane
