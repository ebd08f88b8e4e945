// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/CorvaneDBEntry.h"
#include "emulator/SoftwareSources.h"

namespace corvane {

class Game;
class Prompter;
class Sha1Cache;
class TextSource;

// The pages of the properties view, in the order they are shown.
enum class PropertiesPage { Launcher, CorvaneDatabase, Captures, GenerationMsx };

// What one row of a page shows; the window names each in the current language.
enum class PropertyField {
    Name,
    Database,
    File,
    InZip,
    Medium,
    Size,
    Sha1,
    Company,
    Year,
    Country,
    Generation,
    Sound,
    Genre,
    Title,
    System,
    XmlFile,
    GoodMsx,
    Mapper,
    RomStart,
    MediaStart,
    Remark,
};

struct PropertyRow {
    PropertyField field;
    std::string value;

    bool operator==(const PropertyRow&) const = default;
};

// What the view is opened with: the SHA-1 of the profile's main medium and the emulator's entry
// for it, present only when the dump was found.
struct PropertiesSubject {
    std::string sha1;
    std::optional<CorvaneDBEntry> entry;
};

// A profile shows its own pages, an entry the emulator's; a profile without an entry has no
// emulator page.
std::vector<PropertiesPage> propertiesPages(bool hasProfile, bool hasEntry);

// The profile's own data. Rows without meaning for it are left out rather than shown empty: the
// ZIP member only for a member of an archive, company, year and country only when the user
// specified them.
std::vector<PropertyRow> launcherRows(const Game& profile, const std::string& database,
                                      const std::string& sha1, const TextSource& texts);

// The emulator's entry. A cartridge shows its mapper and, when it has one, its start address; a
// disk or tape shows its start command instead.
std::vector<PropertyRow> corvaneDatabaseRows(const CorvaneDBEntry& entry, const TextSource& texts);

// A two-letter country code in the current language; anything else as it stands, so a country
// typed by the user can never be taken for some other catalogue text.
std::string countryText(const std::string& country, const TextSource& texts);

// Hashes the profile's main medium and looks it up in the software databases, which are read for
// this one lookup. A profile without a readable medium reads no database.
PropertiesSubject lookUpProperties(const Game& profile, const std::string& database,
                                   const SoftwareSources& sources, Sha1Cache& cache,
                                   Prompter& prompter, const TextSource& texts);

}  // namespace corvane
