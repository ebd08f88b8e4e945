// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsRomDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "emulator/MachineCatalogue.h"
#include "i18n/LanguageManager.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorChoosers.h"
#include "ui/editor/EditorIds.h"
#include "ui/editor/ZipMediumBox.h"
#include "ui/settings/PathRow.h"

namespace corvane {

GameSettingsRomDlg::GameSettingsRomDlg(const LanguageManager& languages, QWidget* parent)
    : QWidget(parent) {
    slots_[0] = createSlot(languages, kIdEditorSlot1, "Slot 1");
    slots_[1] = createSlot(languages, kIdEditorSlot2, "Slot 2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(slots_[0].box);
    layout->addWidget(slots_[1].box);
    layout->addStretch(1);
    for (const Slot& slot : slots_) {
        connect(slot.special, &QCheckBox::toggled, this, [slot] { updateSlot(slot); });
        updateSlot(slot);
    }
}

GameSettingsRomDlg::Slot GameSettingsRomDlg::createSlot(const LanguageManager& languages,
                                                        int titleId, const char* englishTitle) {
    Slot slot;
    slot.box = new ZipMediumBox(titleId, englishTitle, this);
    setEditorChooser(slot.box->fileRow(), ChooserKind::Rom, fromBytes(languages.textForId(titleId)),
                     languages);
    slot.special = captioned<QCheckBox>(kIdEditorSpecial, "Special", slot.box);
    slot.specials = new QComboBox(slot.box);
    for (const std::string& special : MachineCatalogue::specialCartridges())
        slot.specials->addItem(catalogueText(languages, special), itemBytes(special));
    slot.specials->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* specialRow = new QHBoxLayout;
    specialRow->addWidget(slot.specials);
    specialRow->addStretch(1);
    slot.box->grid()->addWidget(slot.special, 2, 0);
    slot.box->grid()->addLayout(specialRow, 2, 1);
    return slot;
}

void GameSettingsRomDlg::updateSlot(const Slot& slot) {
    const bool special = slot.special->isChecked();
    slot.box->setMediumEnabled(!special);
    slot.specials->setEnabled(special);
}

void GameSettingsRomDlg::loadSlot(const Slot& slot, const ProfileForm::RomSlot& values) {
    slot.box->load(values.medium);
    int index = slot.specials->findData(itemBytes(values.specialChoice));
    // A value of no cartridge offered here stays the slot's until another is chosen.
    if (index < 0 && !values.specialChoice.empty()) {
        slot.specials->addItem(fromBytes(values.specialChoice), itemBytes(values.specialChoice));
        index = slot.specials->count() - 1;
    }
    slot.specials->setCurrentIndex(std::max(index, 0));
    slot.special->setChecked(values.special);
    updateSlot(slot);
}

void GameSettingsRomDlg::storeSlot(const Slot& slot, ProfileForm::RomSlot& values) {
    slot.box->store(values.medium);
    values.special = slot.special->isChecked();
    values.specialChoice = bytesOfItem(slot.specials->currentData());
}

void GameSettingsRomDlg::load(const ProfileForm& form) {
    loadSlot(slots_[0], form.slot1);
    loadSlot(slots_[1], form.slot2);
}

void GameSettingsRomDlg::store(ProfileForm& form) const {
    storeSlot(slots_[0], form.slot1);
    storeSlot(slots_[1], form.slot2);
}

}  // namespace corvane
