// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "app/ProfileForm.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace corvane {

class LanguageManager;

// The editor's Basic Data page: company, year, country and system, taken from the emulator's
// software database or specified here.
class GameSettingsCorvaneDataDlg : public QWidget {
    Q_OBJECT
public:
    explicit GameSettingsCorvaneDataDlg(const LanguageManager& languages,
                                        QWidget* parent = nullptr);

    void load(const ProfileForm& form);
    void store(ProfileForm& form) const;

    QRadioButton* corvaneChoice() const { return corvane_; }
    QRadioButton* specifyChoice() const { return specify_; }
    QComboBox* companyBox() const { return company_; }
    QLineEdit* companyEdit() const { return companyText_; }
    QComboBox* yearBox() const { return year_; }
    QComboBox* countryBox() const { return country_; }
    QLineEdit* countryEdit() const { return countryText_; }
    QComboBox* systemBox() const { return system_; }

private:
    void createWidgets(const LanguageManager& languages);
    void updateEnabling();

    QRadioButton* corvane_ = nullptr;
    QRadioButton* specify_ = nullptr;
    QComboBox* company_ = nullptr;
    QLineEdit* companyText_ = nullptr;
    QComboBox* year_ = nullptr;
    QComboBox* country_ = nullptr;
    QLineEdit* countryText_ = nullptr;
    QComboBox* system_ = nullptr;
    ProfileForm loaded_;
};

}  // namespace corvane
