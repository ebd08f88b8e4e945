// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CsvRowBuilder.h"

#include <array>
#include <optional>

#include "common/TextDecoding.h"
#include "common/TextSource.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "media/MediumSize.h"
#include "model/Game.h"

namespace corvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

constexpr std::array<std::string_view, kCsvColumnCount> kCaptionKeys = {
    "CSV_NAME_IN_LAUNCHER",
    "CSV_LAUNCHER_DATABASE",
    "CSV_MAIN_ENTRY_MEDIUM",
    "CSV_MAIN_ENTRY_SIZE",
    "CSV_MAIN_INFO_FILE",
    "CSV_MACHINE",
    "CSV_SLOT1",
    "CSV_SLOT1_SPEC",
    "CSV_SLOT1_NAME_ZIP",
    "CSV_SLOT2",
    "CSV_SLOT2_SPEC",
    "CSV_SLOT2_NAME_ZIP",
    "CSV_DISKA",
    "CSV_DISKA_NAME_ZIP",
    "CSV_DISKB",
    "CSV_DISKB_NAME_ZIP",
    "CSV_TAPE",
    "CSV_TAPE_NAME_ZIP",
    "CSV_HARDDISK_PRI",
    "CSV_HARDDISK_SEC",
    "CSV_IMAGE1",
    "CSV_IMAGE2",
    "CSV_OPENMSX_ARGUMENTS",
    "CSV_OPENMSX_OVERRIDE",
    "CSV_FMSX_ARGUMENTS",
    "CSV_FMSX_OVERRIDE",
    "CSV_SHA1",
    "CSV_TITLE_IN_CORVANE_DB",
    "CSV_SYSTEM",
    "CSV_COMPANY",
    "CSV_YEAR",
    "CSV_COUNTRY",
    "CSV_CORVANE_DB",
    "CSV_GOOD_MSX",
    "CSV_MAPPER",
    "CSV_ROM_START",
    "CSV_DISK_TAPE_START_COMMAND",
    "CSV_REMARK",
    "CSV_GENERATION",
    "CSV_SOUND",
    "CSV_GENRE",
};

// Columns 28 to 38.
std::array<std::string_view, 11> softwareColumns(const Game& game,
                                                 const std::optional<CorvaneDBEntry>& entry) {
    if (game.basicDataSpecified == "T")
        return {"", game.system, game.company, game.year, game.country};
    if (!entry || !entry->found)
        return {};
    return {entry->title,    entry->system,     entry->company, entry->year,
            entry->country,  entry->database,   entry->goodMsx, entry->mapper,
            entry->romStart, entry->mediaStart, entry->remark};
}

}  // namespace

CsvRowBuilder::CsvRowBuilder(const TextSource& texts, const EmulatorDatabaseSet& software)
    : texts_(texts), software_(software) {}

std::vector<std::string_view> CsvRowBuilder::textKeys() {
    std::vector<std::string_view> keys(kCaptionKeys.begin(), kCaptionKeys.end());
    keys.insert(keys.end(), {"MEDIUM_ROM", "MEDIUM_DISK", "MEDIUM_TAPE", "MEDIUM_HARDDISK"});
    return keys;
}

std::string CsvRowBuilder::headerLine() const {
    std::string line;
    for (std::string_view key : kCaptionKeys) {
        if (!line.empty())
            line += ',';
        line += texts_.text(key);
    }
    return line.append(kLineEnd);
}

std::string CsvRowBuilder::rowLine(const Game& game, std::string_view database,
                                   std::string_view sha1, std::string_view mainMediumSize) const {
    const std::string mediumKey = game.MainMedium().mediumKey;
    const std::string medium = mediumKey.empty() ? std::string() : texts_.text(mediumKey);
    // The user's own data needs no lookup.
    std::optional<CorvaneDBEntry> entry;
    if (game.basicDataSpecified != "T")
        entry = software_.findEntry(sha1);
    const std::array<std::string_view, 11> software = softwareColumns(game, entry);
    const std::string generation = game.GenerationText();
    const std::string sound = game.SoundText();
    const std::string genre = game.GenreText();

    const std::string_view values[kCsvColumnCount] = {
        game.name,
        database,
        medium,
        mainMediumSize,
        game.infoFile,
        game.machine,
        game.slot1File,
        game.slot1Special,
        game.slot1ZipEntry,
        game.slot2File,
        game.slot2Special,
        game.slot2ZipEntry,
        game.diskAFile,
        game.diskAZipEntry,
        game.diskBFile,
        game.diskBZipEntry,
        game.tapeFile,
        game.tapeZipEntry,
        game.hardDiskPrimary,
        game.hardDiskSecondary,
        game.image1,
        game.image2,
        game.openMsxArguments,
        game.openMsxOverride,
        game.fmsxArguments,
        game.fmsxOverride,
        sha1,
        software[0],
        software[1],
        software[2],
        software[3],
        software[4],
        software[5],
        software[6],
        software[7],
        software[8],
        software[9],
        software[10],
        generation,
        sound,
        genre,
    };
    std::string line;
    line.reserve(512);
    for (std::string_view value : values) {
        if (!line.empty())
            line += ',';
        appendCsvValue(value, line);
    }
    return line.append(kLineEnd);
}

std::string csvMainMediumSize(const Game& game) {
    const MainMediumInfo medium = game.MainMedium();
    return medium.file.empty() ? std::string() : MainMediumSize(medium.file, medium.entry);
}

void appendCsvValue(std::string_view value, std::string& line) {
    // Most values are plain UTF-8 already: they are escaped without a decoded copy.
    std::string decoded;
    if (!isValidUtf8(value) || value.starts_with("\xEF\xBB\xBF")) {
        decoded = utf8Text(value);
        value = decoded;
    }
    line += '"';
    for (size_t from = 0;;) {
        const size_t quote = value.find('"', from);
        line.append(value.substr(from, quote - from));
        if (quote == std::string_view::npos)
            break;
        line += "\\\"";
        from = quote + 1;
    }
    line += '"';
}

}  // namespace corvane
