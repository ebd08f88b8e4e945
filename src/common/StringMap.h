// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace corvane {

// Hashes text of any string type alike, so a map keyed by std::string is searched with a
// string_view without building a string for every lookup.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <class Value>
using StringMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

}  // namespace corvane
