// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "selection/FilterState.h"

namespace corvane {

class TextSource;

struct FilterChoice {
    std::string value;  // what the filter state holds
    std::string text;   // what the user sees

    bool operator==(const FilterChoice&) const = default;
};

// The values a criterion can take from a menu or drop-down. The years are fixed when the main
// window opens; the country order follows the language of each call.
class FilterValues {
public:
    FilterValues();
    explicit FilterValues(std::vector<std::string> years);

    // "All" first, then media, systems, companies and generations in table order, years
    // ascending, countries by display text (byte-wise), sounds in table order, genres by name.
    std::vector<FilterChoice> choices(FilterCriterion criterion, const TextSource& texts) const;
    // Equal, Equal or greater, Equal or less.
    std::vector<FilterChoice> comparisons(const TextSource& texts) const;

private:
    std::vector<std::string> years_;
};

}  // namespace corvane
