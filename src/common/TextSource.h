// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Resolves a catalogue key to the text of the current language.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string text(std::string_view key) const = 0;
};

}  // namespace corvane
