// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/FilterState.h"

#include <algorithm>

#include "common/TextSource.h"
#include "model/ValueLists.h"

namespace corvane {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// A catalogue without the key answers the key or, with no catalogue at all, nothing; either
// way the value itself is the better caption.
std::string catalogueTextOr(const std::string& key, const TextSource& texts) {
    std::string text = texts.text(key);
    return text.empty() ? key : text;
}

bool assign(std::string& field, const std::string& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

bool FilterState::reset() {
    if (isDefault())
        return false;
    *this = FilterState{};
    return true;
}

bool FilterState::set(FilterCriterion criterion, const std::string& value) {
    switch (criterion) {
        case FilterCriterion::Medium:
            return assign(medium, value);
        case FilterCriterion::System:
            return assign(system, value);
        case FilterCriterion::Company:
            return assign(company, value);
        case FilterCriterion::Year: {
            const bool yearChanged = assign(year, value);
            const bool comparisonChanged = assign(yearComparison, kYearEqual);
            return yearChanged || comparisonChanged;
        }
        case FilterCriterion::Country:
            return assign(country, value);
        case FilterCriterion::Generation:
            return assign(generation, value);
        case FilterCriterion::Sound:
            return assign(sound, value);
        case FilterCriterion::Genre: {
            const int code = genreCodeOf(value);
            const bool changed = genreName != value || genreCode != code;
            genreName = value;
            genreCode = code;
            return changed;
        }
    }
    return false;
}

const std::string& FilterState::value(FilterCriterion criterion) const {
    switch (criterion) {
        case FilterCriterion::Medium:
            return medium;
        case FilterCriterion::System:
            return system;
        case FilterCriterion::Company:
            return company;
        case FilterCriterion::Year:
            return year;
        case FilterCriterion::Country:
            return country;
        case FilterCriterion::Generation:
            return generation;
        case FilterCriterion::Sound:
            return sound;
        case FilterCriterion::Genre:
            return genreName;
    }
    return medium;
}

bool FilterState::usesSoftwareData() const {
    return company != kSelectionAll || year != kSelectionAll || country != kSelectionAll ||
           system != kSelectionAll;
}

std::string FilterState::panelText(FilterCriterion criterion, const TextSource& texts) const {
    std::string text = filterValueText(criterion, value(criterion), texts);
    // Without a year the comparison decides nothing, so it is not shown.
    if (criterion == FilterCriterion::Year && year != kSelectionAll) {
        if (yearComparison == kYearEqualOrGreater)
            text += '+';
        else if (yearComparison == kYearEqualOrLess)
            text += '-';
    }
    return text;
}

int genreCodeOf(std::string_view name) {
    for (const Genre& genre : genreList())
        if (genre.name == name)
            return genre.id;
    return 0;
}

std::string filterValueText(FilterCriterion criterion, const std::string& value,
                            const TextSource& texts) {
    if (value == kSelectionAll)
        return catalogueTextOr(value, texts);
    // Only the tables' own keys are translated: a typed company that happens to spell a
    // catalogue key must still show as typed.
    if ((criterion == FilterCriterion::Medium && contains(mediumKeys(), value)) ||
        (criterion == FilterCriterion::Country && contains(countryList(), value)))
        return catalogueTextOr(value, texts);
    return value;
}

std::string comparisonText(const std::string& comparison, const TextSource& texts) {
    if (comparison == kYearEqual || comparison == kYearEqualOrGreater ||
        comparison == kYearEqualOrLess)
        return catalogueTextOr(comparison, texts);
    return comparison;
}

}  // namespace corvane
