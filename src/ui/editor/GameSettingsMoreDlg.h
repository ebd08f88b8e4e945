// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "app/ProfileForm.h"

class QCheckBox;
class QComboBox;

namespace corvane {

class LanguageManager;

// The editor's Extra Data page: MSX generations, sound chips and up to two genres.
class GameSettingsMoreDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsMoreDlg(const LanguageManager& languages, QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    QCheckBox* generationCheck(size_t index) const { return generations_[index]; }
    QCheckBox* soundCheck(size_t index) const { return sounds_[index]; }
    QComboBox* genreBox(int index) const { return index == 0 ? genre1_ : genre2_; }

private:
    void createWidgets(const LanguageManager& languages);
    void updateEnabling();

    std::vector<QCheckBox*> generations_;
    std::vector<QCheckBox*> sounds_;
    QComboBox* genre1_ = nullptr;
    QComboBox* genre2_ = nullptr;
};

}  // namespace corvane
