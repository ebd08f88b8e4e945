// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

namespace corvane {

class LanguageManager;
class ZipMediumBox;

// The editor's Disk page: the images in drives A and B, each possibly inside a ZIP file.
class GameSettingsDiskDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsDiskDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    ZipMediumBox* driveA() const { return driveA_; }
    ZipMediumBox* driveB() const { return driveB_; }

private:
    ZipMediumBox* driveA_;
    ZipMediumBox* driveB_;
};

}  // namespace corvane
