// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

class TextSource;

inline constexpr const char* kSelectionAll = "SELECTION_ALL";
inline constexpr const char* kYearEqual = "FILTER_YR_EQ";
inline constexpr const char* kYearEqualOrGreater = "FILTER_YR_EQ_G";
inline constexpr const char* kYearEqualOrLess = "FILTER_YR_EQ_L";

// The criteria that have a panel and a value menu in the main window, in panel order. The year
// comparison rides along with the year.
enum class FilterCriterion { Medium, System, Company, Year, Country, Generation, Sound, Genre };

// Which profiles the main list shows. Every criterion is a text; "SELECTION_ALL" means All. The
// genre carries its code, which is what profiles store.
struct FilterState {
    std::string medium = kSelectionAll;
    std::string company = kSelectionAll;
    std::string year = kSelectionAll;
    std::string yearComparison = kYearEqual;
    std::string country = kSelectionAll;
    std::string system = kSelectionAll;
    std::string generation = kSelectionAll;
    std::string sound = kSelectionAll;
    std::string genreName = kSelectionAll;
    int genreCode = 0;

    bool operator==(const FilterState&) const = default;

    bool isDefault() const { return *this == FilterState{}; }
    // Back to the defaults; true when something changed (Reset Filters reloads only then).
    bool reset();
    // A choice from a panel's value menu; true when the state changed. A genre brings its code,
    // and a year or "All" on the YEAR panel brings the comparison back to Equal.
    bool set(FilterCriterion criterion, const std::string& value);
    const std::string& value(FilterCriterion criterion) const;
    // Company, year, country or system is set: these need the emulator's software data.
    bool usesSoftwareData() const;
    // The text of a filter panel; the YEAR panel adds "+" or "-" for the comparison.
    std::string panelText(FilterCriterion criterion, const TextSource& texts) const;
};

// Code of a genre name by exact match; 0 when the table has no such name.
int genreCodeOf(std::string_view name);
// What the user sees for a value: the catalogue text of "All", of a medium key and of a country
// code, the value itself otherwise.
std::string filterValueText(FilterCriterion criterion, const std::string& value,
                            const TextSource& texts);
// The catalogue text of a comparison key, the key itself when it is not one.
std::string comparisonText(const std::string& comparison, const TextSource& texts);

}  // namespace corvane
