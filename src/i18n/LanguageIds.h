// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace corvane {

// Windows primary language numbers: they are what settings.ini stores, so they never change.
inline constexpr int kLanguageCatalan = 3;
inline constexpr int kLanguageGerman = 7;
inline constexpr int kLanguageEnglish = 9;
inline constexpr int kLanguageSpanish = 10;
inline constexpr int kLanguageFinnish = 11;
inline constexpr int kLanguageFrench = 12;
inline constexpr int kLanguageItalian = 16;
inline constexpr int kLanguageDutch = 19;
inline constexpr int kLanguagePortuguese = 22;
inline constexpr int kLanguageSwedish = 29;

struct LanguageEntry {
    int id;
    std::string_view code;  // two letters; picks the help file
};

// In the order of the Settings dialog's language page.
inline constexpr std::array<LanguageEntry, 10> kLanguages{{
    {kLanguageEnglish, "en"},
    {kLanguageCatalan, "ca"},
    {kLanguageDutch, "nl"},
    {kLanguageFinnish, "fi"},
    {kLanguageFrench, "fr"},
    {kLanguageGerman, "de"},
    {kLanguageItalian, "it"},
    {kLanguagePortuguese, "pt"},
    {kLanguageSpanish, "es"},
    {kLanguageSwedish, "sv"},
}};

constexpr bool isLanguageId(int id) {
    return std::ranges::any_of(kLanguages, [id](const LanguageEntry& e) { return e.id == id; });
}

}  // namespace corvane
