// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/TextSource.h"

namespace corvane {

// The texts of some catalogue keys, taken once on the owner's thread so that a job on another
// thread reads its own copy. A key not taken reads as itself.
class CapturedTexts final : public TextSource {
public:
    CapturedTexts(const TextSource& texts, const std::vector<std::string_view>& keys) {
        for (std::string_view key : keys)
            texts_.emplace(std::string(key), texts.text(key));
    }

    std::string text(std::string_view key) const override {
        const auto found = texts_.find(key);
        return found == texts_.end() ? std::string(key) : found->second;
    }

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace corvane
