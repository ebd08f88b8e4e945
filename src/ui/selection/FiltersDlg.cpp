// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/FiltersDlg.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "i18n/LanguageManager.h"
#include "selection/FilterValues.h"
#include "selection/SavedFilters.h"
#include "ui/common/DialogIds.h"
#include "ui/common/ErrorReport.h"
#include "ui/common/ItemBytes.h"
#include "ui/common/SignalBlocker.h"
#include "ui/common/TextCodec.h"
#include "ui/selection/SelectionIds.h"

namespace corvane {

namespace {

struct RowDef {
    FilterCriterion criterion;
    int labelId;
    const char* label;
    int customId;  // 0: the value comes from the drop-down only
};

// In the order the rows are laid out.
constexpr RowDef kRows[] = {
    {FilterCriterion::Medium, kIdMedium, "Medium", 0},
    {FilterCriterion::System, kIdSystem, "System", kIdSystemCustom},
    {FilterCriterion::Company, kIdCompany, "Company", kIdCompanyCustom},
    {FilterCriterion::Year, kIdYear, "Year", 0},
    {FilterCriterion::Country, kIdCountry, "Country", kIdCountryCustom},
    {FilterCriterion::Generation, kIdGeneration, "Generation", 0},
    {FilterCriterion::Sound, kIdSound, "Sound", 0},
    {FilterCriterion::Genre, kIdGenre, "Genre", 0},
};

enum Column { kLabelColumn, kListColumn, kBoxColumn, kCustomColumn, kTextColumn, kColumns };

// Fills the box and selects the value; false when the choices do not hold it.
bool fill(QComboBox* box, const std::vector<FilterChoice>& choices, const std::string& value) {
    const auto filling = signalBlocking(box);
    box->clear();
    for (const FilterChoice& choice : choices)
        box->addItem(fromBytes(choice.text), itemBytes(choice.value));
    const int index = box->findData(itemBytes(value));
    box->setCurrentIndex(std::max(index, 0));
    return index >= 0;
}

// A value no table holds (from a hand-edited saved filter) stays what it is until the user picks
// another, instead of silently turning into "All".
void fillKeepingUnknown(QComboBox* box, const std::vector<FilterChoice>& choices,
                        const std::string& value) {
    if (fill(box, choices, value))
        return;
    const auto filling = signalBlocking(box);
    box->addItem(fromBytes(value), itemBytes(value));
    box->setCurrentIndex(box->count() - 1);
}

}  // namespace

FiltersDlg::FiltersDlg(const FilterState& current, const FilterValues& values, SavedFilters& saved,
                       const LanguageManager& languages, Prompter& prompter, QWidget* parent)
    : CLocalized(kDlgFilters, languages, parent),
      current_(current),
      values_(values),
      saved_(saved),
      prompter_(prompter),
      chosen_(current) {
    createWidgets();
    connectWidgets();
    loadValues();
}

void FiltersDlg::createWidgets() {
    setWindowTitle(QStringLiteral("Filters"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(kBoxColumn, 1);
    grid->setColumnStretch(kTextColumn, 1);
    int line = 0;
    for (const RowDef& def : kRows) {
        Row& r = row(def.criterion);
        auto* label = new QLabel(QString::fromLatin1(def.label), this);
        setCatalogueId(label, def.labelId);
        r.box = new QComboBox(this);
        r.box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        label->setBuddy(r.box);
        grid->addWidget(label, line, kLabelColumn);
        grid->addWidget(r.box, line, kBoxColumn);
        if (def.customId != 0) {
            r.list = new QRadioButton(this);
            r.list->setAccessibleName(label->text());
            r.custom = new QRadioButton(QStringLiteral("Custom"), this);
            setCatalogueId(r.custom, def.customId);
            r.text = new QLineEdit(this);
            r.text->setMinimumWidth(r.text->fontMetrics().averageCharWidth() * 24);
            auto* group = new QButtonGroup(this);
            group->addButton(r.list);
            group->addButton(r.custom);
            grid->addWidget(r.list, line, kListColumn);
            grid->addWidget(r.custom, line, kCustomColumn);
            grid->addWidget(r.text, line, kTextColumn);
        }
        if (def.criterion == FilterCriterion::Year) {
            comparison_ = new QComboBox(this);
            grid->addWidget(comparison_, line, kCustomColumn, 1, 2);
        }
        ++line;
    }
    saveAs_ = new QCheckBox(QStringLiteral("Save As"), this);
    setCatalogueId(saveAs_, kIdSaveAs);
    saveAsName_ = new QLineEdit(this);
    grid->addWidget(saveAs_, line, kLabelColumn);
    grid->addWidget(saveAsName_, line, kListColumn, 1, kColumns - kListColumn);
    grid->setRowMinimumHeight(line, saveAsName_->sizeHint().height() * 3 / 2);

    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Reset | QDialogButtonBox::Cancel, this);
    setCatalogueId(okButton(), kIdOk);
    setCatalogueId(resetButton(), kIdReset);
    setCatalogueId(cancelButton(), kIdCancel);
    // Enter in a text box means OK, never Reset.
    resetButton()->setAutoDefault(false);
    okButton()->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FiltersDlg::connectWidgets() {
    connect(buttons_, &QDialogButtonBox::accepted, this, &FiltersDlg::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(resetButton(), &QPushButton::clicked, this, &FiltersDlg::resetControls);
    for (const Row& r : rows_)
        if (r.list)
            connect(r.list, &QRadioButton::toggled, this, &FiltersDlg::updateEnabling);
    connect(row(FilterCriterion::Year).box, &QComboBox::currentIndexChanged, this,
            &FiltersDlg::updateEnabling);
    connect(saveAs_, &QCheckBox::toggled, this, &FiltersDlg::updateEnabling);
}

void FiltersDlg::loadValues() {
    const LanguageManager& texts = languages();
    for (const RowDef& def : kRows) {
        Row& r = row(def.criterion);
        const std::string& value = current_.value(def.criterion);
        const std::vector<FilterChoice> choices = values_.choices(def.criterion, texts);
        if (!r.custom) {
            fillKeepingUnknown(r.box, choices, value);
            continue;
        }
        const bool listed = fill(r.box, choices, value);
        {
            // Checking one of the pair unchecks the other.
            const auto filling = signalBlocking(r.list);
            r.list->setChecked(listed);
            r.custom->setChecked(!listed);
        }
        if (!listed) {
            r.shownCustom = value;
            r.text->setText(fromBytes(value));
        }
    }
    fillKeepingUnknown(comparison_, values_.comparisons(texts), current_.yearComparison);
    updateEnabling();
}

void FiltersDlg::updateEnabling() {
    for (const Row& r : rows_) {
        if (!r.list)
            continue;
        r.box->setEnabled(r.list->isChecked());
        r.text->setEnabled(r.custom->isChecked());
    }
    comparison_->setEnabled(chosenValue(FilterCriterion::Year) != kSelectionAll);
    saveAsName_->setEnabled(saveAs_->isChecked());
}

void FiltersDlg::resetControls() {
    for (Row& r : rows_) {
        r.box->setCurrentIndex(0);
        if (!r.list)
            continue;
        r.list->setChecked(true);
        r.text->clear();
    }
    comparison_->setCurrentIndex(0);
    updateEnabling();
}

std::string FiltersDlg::chosenValue(FilterCriterion criterion) const {
    const Row& r = row(criterion);
    if (r.custom && r.custom->isChecked()) {
        return keptBytes(r.text->text(), r.shownCustom);
    }
    return bytesOfItem(r.box->currentData());
}

FilterState FiltersDlg::stateFromControls() const {
    FilterState state;
    state.medium = chosenValue(FilterCriterion::Medium);
    state.company = chosenValue(FilterCriterion::Company);
    state.year = chosenValue(FilterCriterion::Year);
    state.yearComparison =
        state.year != kSelectionAll ? bytesOfItem(comparison_->currentData()) : kYearEqual;
    state.country = chosenValue(FilterCriterion::Country);
    state.system = chosenValue(FilterCriterion::System);
    state.generation = chosenValue(FilterCriterion::Generation);
    state.sound = chosenValue(FilterCriterion::Sound);
    state.set(FilterCriterion::Genre, chosenValue(FilterCriterion::Genre));
    return state;
}

void FiltersDlg::accept() {
    const FilterState state = stateFromControls();
    if (saveAs_->isChecked()) {
        const SavedFilterResult result = saved_.add(toBytes(saveAsName_->text()), state);
        reportError(prompter_, languages(), savedFilterMessageKey(result));
        // The filter was refused: the user corrects the name or the texts first.
        if (result != SavedFilterResult::Written && result != SavedFilterResult::WriteFailed)
            return;
    }
    chosen_ = state;
    QDialog::accept();
}

QPushButton* FiltersDlg::okButton() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

QPushButton* FiltersDlg::resetButton() const {
    return buttons_->button(QDialogButtonBox::Reset);
}

QPushButton* FiltersDlg::cancelButton() const {
    return buttons_->button(QDialogButtonBox::Cancel);
}

}  // namespace corvane
