// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// The entries every catalogue must carry, with their exact English wording: written out here
// rather than read from LanguageEnglish, so that a lost or reworded English entry shows up too.
// The launcher's own additions (the identifiers from 1600 up, a few message keys) are not
// listed; they are held to the same rules through their English entries.
namespace corvane::reference_catalogue {

struct IdText {
    int id;
    std::string_view text;
};

struct KeyText {
    std::string_view key;
    std::string_view text;
};

// Dialog titles, the buttons dialogs share, and the names of the ten languages.
std::span<const IdText> dialogTitlesAndLanguages();
// Menu commands, from 32768 up.
std::span<const IdText> menuCommands();
// Captions of dialog controls, 1000 to 9999.
std::span<const IdText> controlCaptions();
std::span<const KeyText> keyTexts();

}  // namespace corvane::reference_catalogue
