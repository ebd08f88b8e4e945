// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FillNames.h"

namespace corvane {

namespace {

constexpr std::string_view kSuffixMark = "__";

}  // namespace

void FillNames::addExisting(const std::string& name) {
    if (!name.empty())
        remember(name);
}

bool FillNames::taken(const std::string& name) const {
    return plain_.contains(name) || suffixed_.contains(name);
}

void FillNames::remember(const std::string& name) {
    const size_t mark = name.find(kSuffixMark);
    if (mark == std::string::npos) {
        plain_.insert(name);
        return;
    }
    suffixed_.insert(name);
    ++suffixCounts_[name.substr(0, mark)];
}

std::string FillNames::take(const std::string& wanted) {
    std::string candidate = wanted;
    while (!candidate.empty() && (candidate.back() == ' ' || candidate.back() == '\t'))
        candidate.pop_back();
    if (!taken(candidate)) {
        remember(candidate);
        return candidate;
    }
    // The number counts the names already made from this one; a name of that form taken by
    // other means (a profile called "Game__1" typed by hand) is passed over rather than doubled.
    const auto counted = suffixCounts_.find(candidate);
    size_t number = counted == suffixCounts_.end() ? 0 : counted->second;
    std::string name;
    do
        name = candidate + std::string(kSuffixMark) + std::to_string(number++);
    while (taken(name));
    remember(name);
    return name;
}

}  // namespace corvane
