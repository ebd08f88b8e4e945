// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "selection/FilterState.h"
#include "ui/common/CLocalized.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace corvane {

class FilterValues;
class Prompter;
class SavedFilters;
struct FilterChoice;

// Set Filters: every criterion at once, company, country and system also as typed text, and
// optionally the result saved under a new name. OK hands the new state back; the caller applies
// it and reloads. Cancel changes nothing.
class FiltersDlg : public CLocalized {
    Q_OBJECT
public:
    FiltersDlg(const FilterState& current, const FilterValues& values, SavedFilters& saved,
               const LanguageManager& languages, Prompter& prompter, QWidget* parent = nullptr);

    // After OK: the state to apply.
    const FilterState& chosenState() const { return chosen_; }
    // The state the controls describe now.
    FilterState stateFromControls() const;

    QComboBox* valueBox(FilterCriterion criterion) const { return row(criterion).box; }
    QComboBox* comparisonBox() const { return comparison_; }
    // Company, country and system only; nullptr for the other criteria.
    QRadioButton* listChoice(FilterCriterion criterion) const { return row(criterion).list; }
    QRadioButton* customChoice(FilterCriterion criterion) const { return row(criterion).custom; }
    QLineEdit* customText(FilterCriterion criterion) const { return row(criterion).text; }
    QCheckBox* saveAs() const { return saveAs_; }
    QLineEdit* saveAsName() const { return saveAsName_; }
    QPushButton* okButton() const;
    QPushButton* resetButton() const;
    QPushButton* cancelButton() const;

    void accept() override;

public slots:
    // Every control back to "All" and Equal; nothing is applied until OK.
    void resetControls();

private:
    struct Row {
        QComboBox* box = nullptr;
        QRadioButton* list = nullptr;
        QRadioButton* custom = nullptr;
        QLineEdit* text = nullptr;
        std::string shownCustom;  // the custom value as it came in, in its own bytes
    };

    void createWidgets();
    void connectWidgets();
    void loadValues();
    void updateEnabling();
    const Row& row(FilterCriterion criterion) const {
        return rows_[static_cast<size_t>(criterion)];
    }
    Row& row(FilterCriterion criterion) { return rows_[static_cast<size_t>(criterion)]; }
    std::string chosenValue(FilterCriterion criterion) const;

    FilterState current_;
    const FilterValues& values_;
    SavedFilters& saved_;
    Prompter& prompter_;
    FilterState chosen_;

    std::array<Row, 8> rows_;
    QComboBox* comparison_ = nullptr;
    QCheckBox* saveAs_ = nullptr;
    QLineEdit* saveAsName_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace corvane
