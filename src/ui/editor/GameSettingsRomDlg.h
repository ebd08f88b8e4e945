// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

class QCheckBox;
class QComboBox;

namespace corvane {

class LanguageManager;
class ZipMediumBox;

// The editor's ROM page: each cartridge slot holds an image file, possibly inside a ZIP file,
// and may name a special cartridge; a file stored beside one is kept.
class GameSettingsRomDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsRomDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    // slot: 0 for slot 1, 1 for slot 2.
    ZipMediumBox* slotBox(int slot) const { return slots_[slot].box; }
    QCheckBox* specialCheck(int slot) const { return slots_[slot].special; }
    QComboBox* specialBox(int slot) const { return slots_[slot].specials; }

private:
    struct Slot {
        ZipMediumBox* box = nullptr;
        QCheckBox* special = nullptr;
        QComboBox* specials = nullptr;
    };

    Slot createSlot(const LanguageManager& languages, int titleId, const char* englishTitle);
    void loadSlot(const Slot& slot, const ProfileForm::RomSlot& values);
    static void storeSlot(const Slot& slot, ProfileForm::RomSlot& values);
    static void updateSlot(const Slot& slot);

    Slot slots_[2];
};

}  // namespace corvane
