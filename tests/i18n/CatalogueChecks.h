// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/Language.h"

// Checks every catalogue must pass; each returns one readable line per problem found.
namespace corvane::catalogue_checks {

bool isValidUtf8(std::string_view text);

// The letters a caption marks as mnemonics ("&&" is a literal ampersand), case-folded.
// A "&" at the very end yields an empty letter.
std::vector<std::string> mnemonicsOf(std::string_view caption);

// Keys and identifiers the candidate lacks or has beyond the reference.
std::vector<std::string> entryDifferences(const Language& reference, const Language& candidate);

// Non-empty, valid UTF-8, no control characters; the ten language names distinct.
std::vector<std::string> malformedTexts(const Language& candidate);

// Texts whose leading or trailing blank differs from the reference's: callers glue names
// and numbers to these fragments.
std::vector<std::string> blankDifferences(const Language& reference, const Language& candidate);

// Within each menu, at most one mnemonic per caption and no letter used twice.
std::vector<std::string> mnemonicClashes(const Language& candidate);

// Entries left as in the reference, apart from words that are the same in every language.
std::vector<std::string> untranslatedEntries(const Language& reference, const Language& candidate);

}  // namespace corvane::catalogue_checks
