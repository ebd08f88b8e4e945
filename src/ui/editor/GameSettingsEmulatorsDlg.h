// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

class QCheckBox;
class QLineEdit;

namespace corvane {

// The editor's Emulators page: the profile's own openMSX and fMSX arguments, added to those of
// the settings or replacing them.
class GameSettingsEmulatorsDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsEmulatorsDlg(QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    QLineEdit* openMsxEdit() const { return openMsx_; }
    QCheckBox* openMsxOverride() const { return openMsxOverride_; }
    QLineEdit* fmsxEdit() const { return fmsx_; }
    QCheckBox* fmsxOverride() const { return fmsxOverride_; }

private:
    QLineEdit* openMsx_;
    QCheckBox* openMsxOverride_;
    QLineEdit* fmsx_;
    QCheckBox* fmsxOverride_;
    ProfileForm loaded_;
};

}  // namespace corvane
