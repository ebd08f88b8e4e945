// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/FilterValues.h"

#include <algorithm>

#include "model/ValueLists.h"

namespace corvane {

FilterValues::FilterValues() : FilterValues(yearList()) {}

FilterValues::FilterValues(std::vector<std::string> years) : years_(std::move(years)) {}

std::vector<FilterChoice> FilterValues::choices(FilterCriterion criterion,
                                                const TextSource& texts) const {
    std::vector<FilterChoice> out;
    auto add = [&](const std::string& value) {
        out.push_back({value, filterValueText(criterion, value, texts)});
    };
    add(kSelectionAll);
    auto addAll = [&](const std::vector<std::string>& values) {
        for (const std::string& value : values)
            add(value);
    };
    switch (criterion) {
        case FilterCriterion::Medium:
            addAll(mediumKeys());
            break;
        case FilterCriterion::System:
            addAll(systemList());
            break;
        case FilterCriterion::Company:
            addAll(companyList());
            break;
        case FilterCriterion::Year:
            addAll(years_);
            break;
        case FilterCriterion::Country:
            addAll(countryList());
            std::stable_sort(
                out.begin() + 1, out.end(),
                [](const FilterChoice& a, const FilterChoice& b) { return a.text < b.text; });
            break;
        case FilterCriterion::Generation:
            addAll(generationNames());
            break;
        case FilterCriterion::Sound:
            addAll(soundNames());
            break;
        case FilterCriterion::Genre:
            for (const Genre& genre : genreList())
                add(genre.name);
            break;
    }
    return out;
}

std::vector<FilterChoice> FilterValues::comparisons(const TextSource& texts) const {
    std::vector<FilterChoice> out;
    for (const char* key : {kYearEqual, kYearEqualOrGreater, kYearEqualOrLess})
        out.push_back({key, comparisonText(key, texts)});
    return out;
}

}  // namespace corvane
