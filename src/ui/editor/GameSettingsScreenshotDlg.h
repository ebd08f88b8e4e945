// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

class QRadioButton;

namespace corvane {

class LanguageManager;
class PathRow;

// The editor's Screenshots page: the emulator's own screenshots, or two image files.
class GameSettingsScreenshotDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsScreenshotDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    QRadioButton* defaultChoice() const { return default_; }
    QRadioButton* specificChoice() const { return specific_; }
    PathRow* imageRow(int image) const { return image == 0 ? image1_ : image2_; }

private:
    void updateEnabling();

    QRadioButton* default_;
    QRadioButton* specific_;
    PathRow* image1_;
    PathRow* image2_;
    ProfileForm loaded_;
};

}  // namespace corvane
