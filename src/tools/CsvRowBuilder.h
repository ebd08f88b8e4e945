// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class EmulatorDatabaseSet;
class Game;
class TextSource;

inline constexpr int kCsvColumnCount = 41;

// The lines of the CSV export: the header in the current language, then one row of 41 quoted
// values per profile. Every line ends with CR LF and is UTF-8.
class CsvRowBuilder {
public:
    // software: the emulator's software databases, loaded once for the whole export.
    CsvRowBuilder(const TextSource& texts, const EmulatorDatabaseSet& software);

    // The captions as they are, joined by ",".
    std::string headerLine() const;
    // Every catalogue key the lines are made of: the captions and the medium names.
    static std::vector<std::string_view> textKeys();
    // database: the name without ".db". sha1 and mainMediumSize are the caller's (through the
    // SHA-1 cache and csvMainMediumSize), empty when unknown.
    std::string rowLine(const Game& game, std::string_view database, std::string_view sha1,
                        std::string_view mainMediumSize) const;

private:
    const TextSource& texts_;
    const EmulatorDatabaseSet& software_;
};

// The size of the profile's main medium, "N KB"; empty without one or when it cannot be read.
std::string csvMainMediumSize(const Game& game);

// One value in double quotes, each inner double quote turned into backslash and double quote,
// and decoded the way the list shows it.
void appendCsvValue(std::string_view value, std::string& line);

}  // namespace corvane
