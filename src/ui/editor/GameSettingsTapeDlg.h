// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

namespace corvane {

class LanguageManager;
class ZipMediumBox;

// The editor's Tape page: the cassette image, possibly inside a ZIP file.
class GameSettingsTapeDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsTapeDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    ZipMediumBox* tape() const { return tape_; }

private:
    ZipMediumBox* tape_;
};

}  // namespace corvane
