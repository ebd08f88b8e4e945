// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CatalogueChecks.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>

#include "i18n/LanguageIds.h"
#include "i18n/MenuLayout.h"

namespace corvane::catalogue_checks {

namespace {

using EntryVisitor = std::function<void(const std::string& what, const std::string& text)>;
using PairVisitor = std::function<void(const std::string& what, const std::string& reference,
                                       const std::string* candidate)>;

std::string describe(int id) {
    return "identifier " + std::to_string(id);
}

std::string describe(const std::string& key) {
    return "key " + key;
}

void forEachEntry(const Language& language, const EntryVisitor& visit) {
    for (const auto& [id, text] : language.identifiers()) {
        visit(describe(id), text);
    }
    for (const auto& [key, text] : language.keys()) {
        visit(describe(key), text);
    }
}

template <class Map>
void pairUp(const Map& reference, const Map& candidate, const PairVisitor& visit) {
    for (const auto& [entry, text] : reference) {
        const auto it = candidate.find(entry);
        visit(describe(entry), text, it == candidate.end() ? nullptr : &it->second);
    }
}

// Visits every reference entry with the candidate's text, or null where the candidate lacks it.
void forEachPair(const Language& reference, const Language& candidate, const PairVisitor& visit) {
    pairUp(reference.identifiers(), candidate.identifiers(), visit);
    pairUp(reference.keys(), candidate.keys(), visit);
}

// Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    return (lead & 0xF8) == 0xF0 ? 4 : 0;
}

// ASCII and the accented capitals of Latin-1 (U+00C0 to U+00DE but U+00D7) fold to lower
// case, which covers the mnemonic letters of the languages we ship.
std::string foldLetter(std::string letter) {
    if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'Z') {
        letter[0] = static_cast<char>(letter[0] - 'A' + 'a');
    } else if (letter.size() == 2 && static_cast<unsigned char>(letter[0]) == 0xC3) {
        const auto second = static_cast<unsigned char>(letter[1]);
        if (second >= 0x80 && second <= 0x9E && second != 0x97) {
            letter[1] = static_cast<char>(second + 0x20);
        }
    }
    return letter;
}

bool startsWithBlank(const std::string& text) {
    return !text.empty() && text.front() == ' ';
}

bool endsWithBlank(const std::string& text) {
    return !text.empty() && text.back() == ' ';
}

void checkMenu(const std::string& menu, const std::vector<std::string>& captions,
               std::vector<std::string>& problems) {
    std::map<std::string, std::string> owners;  // mnemonic letter -> caption using it
    for (const std::string& caption : captions) {
        const std::vector<std::string> letters = mnemonicsOf(caption);
        if (letters.size() > 1) {
            problems.push_back(menu + ": several mnemonics in \"" + caption + "\"");
        }
        for (const std::string& letter : letters) {
            if (letter.empty()) {
                problems.push_back(menu + ": \"&\" at the end of \"" + caption + "\"");
                continue;
            }
            const auto [it, fresh] = owners.emplace(letter, caption);
            if (!fresh) {
                problems.push_back(menu + ": \"" + caption + "\" and \"" + it->second +
                                   "\" share the mnemonic " + letter);
            }
        }
    }
}

// Names, codes and abbreviations that stay as they are in every language.
const std::set<std::string, std::less<>>& universalTexts() {
    static const std::set<std::string, std::less<>> texts{
        "OK",     "ROM",    "SHA1",   "IPS",      "Info",        "INFO",      "USA",
        "Slot 1", "Slot 2", "Mapper", "Good MSX", "Sunrise IDE", "8.3 format"};
    return texts;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    static constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::vector<std::string> mnemonicsOf(std::string_view caption) {
    std::vector<std::string> letters;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const size_t length =
            i + 1 < caption.size() ? sequenceLength(static_cast<unsigned char>(caption[i + 1])) : 0;
        letters.push_back(foldLetter(std::string(caption.substr(i + 1, length))));
    }
    return letters;
}

std::vector<std::string> entryDifferences(const Language& reference, const Language& candidate) {
    std::vector<std::string> problems;
    forEachPair(reference, candidate,
                [&](const std::string& what, const std::string&, const std::string* translated) {
                    if (translated == nullptr) {
                        problems.push_back("missing " + what);
                    }
                });
    forEachPair(candidate, reference,
                [&](const std::string& what, const std::string&, const std::string* original) {
                    if (original == nullptr) {
                        problems.push_back("unexpected " + what);
                    }
                });
    return problems;
}

std::vector<std::string> malformedTexts(const Language& candidate) {
    std::vector<std::string> problems;
    forEachEntry(candidate, [&problems](const std::string& what, const std::string& text) {
        if (text.empty()) {
            problems.push_back(what + " is empty");
        } else if (!isValidUtf8(text)) {
            problems.push_back(what + " is not UTF-8");
        } else if (std::ranges::any_of(text, [](char c) {
                       return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                   })) {
            problems.push_back(what + " holds a control character");
        }
    });
    std::map<std::string, int> languageNames;
    for (const LanguageEntry& language : kLanguages) {
        const std::string name = candidate.textForId(language.id);
        const auto [it, fresh] = languageNames.emplace(name, language.id);
        if (!fresh) {
            problems.push_back("languages " + std::to_string(it->second) + " and " +
                               std::to_string(language.id) + " are both named \"" + name + "\"");
        }
    }
    return problems;
}

std::vector<std::string> blankDifferences(const Language& reference, const Language& candidate) {
    std::vector<std::string> problems;
    forEachPair(
        reference, candidate,
        [&](const std::string& what, const std::string& original, const std::string* translated) {
            if (translated != nullptr &&
                (startsWithBlank(original) != startsWithBlank(*translated) ||
                 endsWithBlank(original) != endsWithBlank(*translated))) {
                problems.push_back(what + ": \"" + *translated + "\" against \"" + original + "\"");
            }
        });
    return problems;
}

std::vector<std::string> mnemonicClashes(const Language& candidate) {
    std::vector<std::string> problems;
    std::vector<std::string> titles;
    for (std::string_view key : kMenuBarTitleKeys) {
        titles.push_back(candidate.textForKey(key));
    }
    checkMenu("menu bar", titles, problems);
    for (const MenuGroup& group : menuLayout()) {
        std::vector<std::string> captions;
        for (int id : group.entries) {
            if (id != kMenuRule) {
                captions.push_back(candidate.textForId(id));
            }
        }
        checkMenu(std::string(group.name), captions, problems);
    }
    return problems;
}

std::vector<std::string> untranslatedEntries(const Language& reference, const Language& candidate) {
    std::vector<std::string> same;
    forEachPair(
        reference, candidate,
        [&](const std::string& what, const std::string& original, const std::string* translated) {
            if (translated != nullptr && *translated == original &&
                !universalTexts().contains(original)) {
                same.push_back(what + " \"" + original + "\"");
            }
        });
    return same;
}

}  // namespace corvane::catalogue_checks
