// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace corvane {

// The message catalogue of one language: texts by numeric identifier (dialog titles,
// control captions, menu commands, language names) and by text key. Texts are UTF-8.
class Language {
public:
    virtual ~Language() = default;

    // Empty when the identifier is absent.
    std::string textForId(int id) const;
    // The key itself when absent, so a missing entry shows up on screen instead of vanishing.
    std::string textForKey(std::string_view key) const;

    const std::map<int, std::string>& identifiers() const { return identifiers_; }
    // Ordered byte-wise.
    const std::map<std::string, std::string, std::less<>>& keys() const { return keys_; }

protected:
    Language() = default;

    // Enters every entry; each concrete catalogue's constructor calls it once.
    virtual void fill() = 0;

    // Entering an identifier or key twice is a data error.
    void add(int id, std::string text);
    void add(std::string key, std::string text);

private:
    std::map<int, std::string> identifiers_;
    std::map<std::string, std::string, std::less<>> keys_;
};

}  // namespace corvane
