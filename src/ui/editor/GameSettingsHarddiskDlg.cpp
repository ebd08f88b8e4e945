// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsHarddiskDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/settings/PathRow.h"

namespace corvane {

GameSettingsHarddiskDlg::GameSettingsHarddiskDlg(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent) {
    auto* box = new QGroupBox(catalogueText(languages, "sunriseide"), this);
    primary_ = new PathRow(PathEdit::Kind::File, true, box);
    secondary_ = new PathRow(PathEdit::Kind::File, true, box);
    auto* grid = new QGridLayout(box);
    const std::pair<PathRow*, QLabel*> rows[] = {
        {primary_, captioned<QLabel>(kIdEditorPrimary, "Primary", box)},
        {secondary_, captioned<QLabel>(kIdEditorSecondary, "Secondary", box)}};
    int row = 0;
    for (const auto& [path, label] : rows) {
        label->setBuddy(path->edit());
        // The chooser's title is the label's caption once the window has captioned it.
        setEditorChooser(
            path, ChooserKind::Disk,
            fromBytes(languages.textForId(row == 0 ? kIdEditorPrimary : kIdEditorSecondary)),
            languages);
        grid->addWidget(label, row, 0);
        grid->addWidget(path, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);

    auto* note = captioned<QLabel>(
        kIdEditorHardDiskNote,
        "Note: hard disk images need the \"Sunrise IDE\" special cartridge; choose it in the "
        "ROM tab.",
        this);
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(note);
    layout->addStretch(1);
}

void GameSettingsHarddiskDlg::load(const ProfileForm& form) {
    loaded_ = form;
    primary_->edit()->setText(fromBytes(form.hardDiskPrimary));
    secondary_->edit()->setText(fromBytes(form.hardDiskSecondary));
}

void GameSettingsHarddiskDlg::store(ProfileForm& form) const {
    form.hardDiskPrimary = keptBytes(primary_->edit()->text(), loaded_.hardDiskPrimary);
    form.hardDiskSecondary = keptBytes(secondary_->edit()->text(), loaded_.hardDiskSecondary);
}

}  // namespace corvane
