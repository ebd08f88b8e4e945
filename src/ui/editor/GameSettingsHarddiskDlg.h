// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "app/ProfileForm.h"

namespace corvane {

class LanguageManager;
class PathRow;

// The editor's Hard Disk page: the Sunrise IDE primary and secondary images.
class GameSettingsHarddiskDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsHarddiskDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    PathRow* primaryRow() const { return primary_; }
    PathRow* secondaryRow() const { return secondary_; }

private:
    PathRow* primary_;
    PathRow* secondary_;
    ProfileForm loaded_;
};

}  // namespace corvane
