// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>

#include "i18n/Language.h"

namespace corvane {

// A copy of another catalogue with some entries spoiled, to prove a check can fail.
class EditedCatalogue final : public Language {
public:
    using IdMap = std::map<int, std::string>;
    using KeyMap = std::map<std::string, std::string, std::less<>>;

    EditedCatalogue(const Language& source, const std::function<void(IdMap&, KeyMap&)>& edit)
        : ids_(source.identifiers()), keys_(source.keys()) {
        edit(ids_, keys_);
        fill();
    }

private:
    void fill() override {
        for (const auto& [id, text] : ids_) {
            add(id, text);
        }
        for (const auto& [key, text] : keys_) {
            add(key, text);
        }
    }

    IdMap ids_;
    KeyMap keys_;
};

}  // namespace corvane
