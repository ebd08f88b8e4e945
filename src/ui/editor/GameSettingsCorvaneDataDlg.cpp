// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor/GameSettingsCorvaneDataDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <vector>

#include "i18n/LanguageManager.h"
#include "model/ValueLists.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/TextCodec.h"
#include "ui/editor/Captioned.h"
#include "ui/editor/EditorIds.h"

namespace corvane {

namespace {

// "Select..." first: it chooses nothing.
QComboBox* choiceBox(const LanguageManager& languages, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(catalogueText(languages, "L_SELECT"), itemBytes(std::string()));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

void addValues(QComboBox* box, const std::vector<std::string>& values) {
    for (const std::string& value : values)
        box->addItem(fromBytes(value), itemBytes(value));
}

// Selects the value; a value the list lacks is added, so that it stays the profile's until
// another is chosen. Nothing chosen selects "Select...".
void selectValue(QComboBox* box, const std::string& value) {
    int index = box->findData(itemBytes(value));
    if (index < 0) {
        box->addItem(fromBytes(value), itemBytes(value));
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

std::string chosenValue(const QComboBox* box) {
    return box->currentIndex() > 0 ? bytesOfItem(box->currentData()) : std::string();
}

}  // namespace

GameSettingsCorvaneDataDlg::GameSettingsCorvaneDataDlg(const LanguageManager& languages,
                                                       QWidget* parent)
    : QWidget(parent) {
    createWidgets(languages);
    connect(specify_, &QRadioButton::toggled, this, &GameSettingsCorvaneDataDlg::updateEnabling);
    corvane_->setChecked(true);
    updateEnabling();
}

void GameSettingsCorvaneDataDlg::createWidgets(const LanguageManager& languages) {
    corvane_ =
        captioned<QRadioButton>(kIdEditorCorvaneValues, "Use Corvane values if available", this);
    specify_ = captioned<QRadioButton>(kIdEditorSpecify, "Specify", this);

    company_ = choiceBox(languages, this);
    addValues(company_, companyList());
    companyText_ = new QLineEdit(this);
    year_ = choiceBox(languages, this);
    addValues(year_, yearList());
    country_ = choiceBox(languages, this);
    // Shown by name in the current language, in that language's order; stored by code.
    std::vector<std::pair<QString, std::string>> countries;
    for (const std::string& code : countryList())
        countries.emplace_back(catalogueText(languages, code), code);
    std::sort(countries.begin(), countries.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    for (const auto& [name, code] : countries)
        country_->addItem(name, itemBytes(code));
    countryText_ = new QLineEdit(this);
    system_ = choiceBox(languages, this);
    addValues(system_, systemList());

    auto* grid = new QGridLayout;
    // Indented under their choice.
    grid->setContentsMargins(24, 0, 0, 0);
    const std::tuple<int, const char*, QComboBox*, QLineEdit*> rows[] = {
        {kIdEditorCompany, "Company", company_, companyText_},
        {kIdEditorYear, "Year", year_, nullptr},
        {kIdEditorCountry, "Country", country_, countryText_},
        {kIdEditorSystem, "System", system_, nullptr}};
    int row = 0;
    for (const auto& [id, english, box, text] : rows) {
        auto* label = captioned<QLabel>(id, english, this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        if (text) {
            grid->addWidget(captioned<QLabel>(kIdEditorOr, "or", this), row, 2);
            grid->addWidget(text, row, 3);
        }
        ++row;
    }
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(corvane_);
    layout->addWidget(specify_);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void GameSettingsCorvaneDataDlg::updateEnabling() {
    const bool on = specify_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{company_, companyText_, year_, country_,
                                                            countryText_, system_})
        control->setEnabled(on);
}

void GameSettingsCorvaneDataDlg::load(const ProfileForm& form) {
    loaded_ = form;
    (form.specifyBasicData ? specify_ : corvane_)->setChecked(true);
    selectValue(company_, form.companyChoice);
    companyText_->setText(fromBytes(form.companyText));
    selectValue(year_, form.year);
    selectValue(country_, form.countryChoice);
    countryText_->setText(fromBytes(form.countryText));
    selectValue(system_, form.system);
    updateEnabling();
}

void GameSettingsCorvaneDataDlg::store(ProfileForm& form) const {
    form.specifyBasicData = specify_->isChecked();
    form.companyChoice = chosenValue(company_);
    form.companyText = keptBytes(companyText_->text(), loaded_.companyText);
    form.year = chosenValue(year_);
    form.countryChoice = chosenValue(country_);
    form.countryText = keptBytes(countryText_->text(), loaded_.countryText);
    form.system = chosenValue(system_);
}

}  // namespace corvane
