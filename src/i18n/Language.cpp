// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Language.h"

#include <cassert>
#include <utility>

namespace corvane {

std::string Language::textForId(int id) const {
    const auto it = identifiers_.find(id);
    return it == identifiers_.end() ? std::string() : it->second;
}

std::string Language::textForKey(std::string_view key) const {
    const auto it = keys_.find(key);
    return it == keys_.end() ? std::string(key) : it->second;
}

void Language::add(int id, std::string text) {
    [[maybe_unused]] const bool inserted = identifiers_.emplace(id, std::move(text)).second;
    assert(inserted && "identifier entered twice");
}

void Language::add(std::string key, std::string text) {
    [[maybe_unused]] const bool inserted = keys_.emplace(std::move(key), std::move(text)).second;
    assert(inserted && "key entered twice");
}

}  // namespace corvane
