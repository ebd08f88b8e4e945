// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "app/ProfileForm.h"

class QComboBox;
class QLineEdit;

namespace corvane {

class LanguageManager;
class PathRow;

// The editor's General page: name, machine and info file.
class GameSettingsGeneralDlg : public QWidget {
    Q_OBJECT
public:
    GameSettingsGeneralDlg(const LanguageManager& languages,
                           const std::vector<std::string>& machines, QWidget* parent = nullptr);

    // A stored profile keeps a machine the list lacks; a new one then has no machine chosen.
    void load(const ProfileForm& form, bool newProfile);
    void store(ProfileForm& form) const;

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* machineBox() const { return machine_; }
    PathRow* infoFileRow() const { return infoFile_; }

private:
    void createWidgets(const LanguageManager& languages, const std::vector<std::string>& machines);

    QLineEdit* name_ = nullptr;
    QComboBox* machine_ = nullptr;
    PathRow* infoFile_ = nullptr;
    ProfileForm loaded_;
};

}  // namespace corvane
