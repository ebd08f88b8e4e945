// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// Unicode simple case folding for ASCII, Latin-1 Supplement, Latin Extended-A, the Romanian
// comma letters, Latin Extended Additional, Greek and Cyrillic (with its supplement); every other
// code point is its own folding. A fixed table, so the result does not depend on the locale.
char32_t foldCase(char32_t c);
// Folds every code point of the text in place.
void foldCase(std::u32string& text);

}  // namespace corvane
