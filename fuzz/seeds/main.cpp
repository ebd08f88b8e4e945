// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpus of every fuzz target from the project's own generators: the demo base
// directory, the engines' writers and the test archive builder. Usage: fuzz-seeds
// DEMO_PROGRAMS_FOLDER CORPUS_FOLDER. The same build always writes the same seeds.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/AdjustPathsArguments.h"
#include "cli/CsvExportArguments.h"
#include "cli/FillArguments.h"
#include "cli/ImportExtraArguments.h"
#include "cli/IpsArguments.h"
#include "cli/OtherDumpsArguments.h"
#include "cli/RenameArguments.h"
#include "cli/SetMachineArguments.h"
#include "cli/Sha1Arguments.h"
#include "generator/DemoGenerator.h"
#include "media/MediaHash.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "seeds/CorpusFolder.h"
#include "seeds/IpsPatchWriter.h"
#include "selection/Favorites.h"
#include "selection/SavedFilters.h"
#include "support/ZipFixture.h"
#include "tools/CsvRowBuilder.h"
#include "tools/FatShortName.h"
#include "tools/IPSPatcherHandler.h"

using namespace corvane;
using fuzz::CorpusFolder;
using fuzz::fileBytes;

namespace {

constexpr const char* kDemoDatabase = "Demo.db";
constexpr const char* kDemoXml = demo::DemoGenerator::kSoftwareDatabase;

[[noreturn]] void stop(const std::string& what) {
    std::fprintf(stderr, "fuzz-seeds: %s\n", what.c_str());
    std::exit(1);
}

std::vector<Game> demoProfiles() {
    std::vector<Game> profiles;
    const std::string bytes = fileBytes(kDemoDatabase);
    for (size_t from = 0, end; (end = bytes.find("\r\n", from)) != std::string::npos;
         from = end + 2)
        profiles.emplace_back().FromLine(std::string_view(bytes).substr(from, end - from));
    if (profiles.empty())
        stop("the demo database holds no profiles");
    return profiles;
}

std::string sha1Of(const Game& game) {
    const MainMediumInfo medium = game.MainMedium();
    return MediumSha1(medium.file, medium.entry);
}

// A profile with every field set, for the readers of whole lines.
Game fullProfile(Game game) {
    game.slot2File = "media/slot2.zip";
    game.slot2ZipEntry = "inside.rom";
    game.slot2Special = "scc";
    game.diskAFile = "media/a.dsk";
    game.diskBFile = "media/b.dsk";
    game.tapeFile = "media/t.cas";
    game.hardDiskPrimary = "media/hd.dsk";
    game.hardDiskSecondary = "media/hd2.dsk";
    game.image1 = "screenshots/one.png";
    game.image2 = "screenshots/two.png";
    game.openMsxArguments = "-machine C-BIOS_MSX2 -ext \"a b\"";
    game.openMsxOverride = "T";
    game.fmsxArguments = "-msx2";
    game.fmsxOverride = "T";
    game.generationMsxId = "1234";
    game.setGenerationValue(15);
    game.setSoundValue(255);
    game.setGenreValue(3 + 128 * 5);
    return game;
}

void databaseLines(CorpusFolder out, const std::vector<Game>& profiles) {
    for (const Game& game : profiles)
        out.add(game.ToLine());
    out.add(fullProfile(profiles.front()).ToLine());
}

void parserInputs(CorpusFolder out, const std::vector<Game>& profiles) {
    out.add(std::string("|", 2) + profiles.front().ToLine());
    const std::string filters = fileBytes(SavedFilters::kFileName);
    out.add(std::string(",", 2) + filters.substr(0, filters.find('\r')));
    out.add(std::string(",|", 3) + "1,2,3|4,-a");
    out.add(std::string("\0", 1));
}

void settingsFiles(CorpusFolder out, const std::string& scratch) {
    out.add(fileBytes(kSettingsFileName));
    Settings all;
    all.emulatorDirectory = "/opt/corvane";
    all.viewerPath = "/usr/bin/viewer";
    all.defaultDatabaseName = "Demo";
    all.theme = "Classic";
    all.fullScreen = false;
    all.screenshotsOn = true;
    all.imageType = "BMP";
    all.screenshotCount = 2;
    all.customBackground = true;
    all.backgroundImage = "back.png";
    all.backgroundLayout = kLayoutTiled;
    all.openMsxDirectory = "/usr/bin";
    all.openMsxArguments = "-machine C-BIOS_MSX2";
    all.languageId = 3;
    all.useDefaultViewer = true;
    all.fmsxDirectory = "/usr/games";
    all.fmsxArguments = "-ntsc";
    if (!saveSettings(scratch, all))
        stop("cannot save settings");
    out.add(fileBytes(scratch + "/" + kSettingsFileName));
}

void selectionFiles(CorpusFolder filters, CorpusFolder favorites, const std::string& scratch) {
    filters.add(fileBytes(SavedFilters::kFileName));
    favorites.add(fileBytes(Favorites::kFileName));
    SavedFilters savedFilters(scratch);
    FilterState state;
    state.medium = "MEDIUM_DISK";
    state.year = "1986";
    state.yearComparison = kYearEqualOrGreater;
    state.country = "JP";
    if (savedFilters.add("Disks since 1986", state) != SavedFilterResult::Written ||
        savedFilters.add("all", FilterState{}) != SavedFilterResult::Written)
        stop("cannot save filters");
    filters.add(fileBytes(savedFilters.path()));
    Favorites saved(scratch);
    if (saved.add("Zanac", "Konami") != FavoriteResult::Written ||
        saved.add("aleste", "Compile") != FavoriteResult::Written || !saved.sort())
        stop("cannot save favorites");
    favorites.add(fileBytes(saved.path()));
}

void softwareDatabases(CorpusFolder out) {
    const std::string xml = fileBytes(kDemoXml);
    out.add(std::string(1, '\0') + xml);
    out.add(std::string(1, '\1') + xml);
}

void zipArchives(CorpusFolder out, const std::string& scratch) {
    for (const auto& entry : std::filesystem::directory_iterator("media")) {
        if (IsZipFile(entry.path().string()))
            out.add(fileBytes(entry.path().string()));
    }
    const std::string path = scratch + "/fixture.zip";
    test::writeZip(path, {{"Stored.ROM", test::patternBytes(700), true},
                          {"stored.rom", "x", true},
                          {"deflated.dsk", std::string(2000, 'z'), false}});
    out.add(fileBytes(path));
    test::writeZip(path, {});
    out.add(fileBytes(path));
}

void tosecNames(CorpusFolder out, const std::vector<Game>& profiles) {
    for (const Game& game : profiles)
        out.add(game.name + " (" + game.year + ")(" + game.company + ")(" + game.country + ").rom");
    out.add("Demo (demo)(1988)(" + profiles.front().company + ")(-)[a].dsk");
}

void extraData(CorpusFolder out, const std::vector<Game>& profiles) {
    std::string file = "-- extra data of the demo collection\r\n";
    int id = 0;
    for (const Game& game : profiles) {
        const std::string sha1 = sha1Of(game);
        if (sha1.empty())
            continue;
        ++id;
        file += "#" + std::to_string(id) + "\r\n" + std::to_string(game.generationValue()) + "," +
                std::to_string(game.soundByte()) + "," + std::to_string(game.genre1) + "|" +
                std::to_string(game.genre2) + "," + (id % 2 ? "" : "-demo") + "\r\n" + sha1 +
                (id == 1 ? "|" + std::string(40, 'f') : "") + "\r\n";
    }
    out.add(file);
    out.add(file.substr(0, file.size() / 2));
}

void ipsPatches(CorpusFolder out) {
    const std::string source = fileBytes("media/hello-msx.rom").substr(0, 2048);
    std::string grown = source + std::string(300, '\xFF');
    grown.replace(16, 5, "HELLO");
    const std::string other = fileBytes("media/companion.rom").substr(0, 1024);
    for (const std::string& target : {grown, other, source.substr(0, 1000)}) {
        const std::string patch = fuzz::IpsPatchWriter::diff(source, target);
        std::string image = source;
        if (IPSPatcherHandler::Patch(patch, image) != IPSResult::Applied || image != target)
            stop("a generated patch does not make its target");
        const std::string length{static_cast<char>(patch.size() >> 8),
                                 static_cast<char>(patch.size() & 0xFF)};
        out.add(length + patch + source);
    }
}

void csvRows(CorpusFolder out, const std::vector<Game>& profiles) {
    const std::string xml = fileBytes(kDemoXml);
    for (const Game& game : profiles)
        out.add("Demo\n" + sha1Of(game) + "\n" + csvMainMediumSize(game) + "\n" + game.ToLine() +
                "\n" + xml);
    Game quoted = fullProfile(profiles.front());
    quoted.name = "\"Quoted\", with a \\";
    out.add("Demo \"2\"\n\n\n" + quoted.ToLine() + "\n");
}

void shortNames(CorpusFolder out) {
    const auto nothingTaken = [](std::string_view) { return false; };
    for (const auto& entry : std::filesystem::directory_iterator("media")) {
        const std::string name = entry.path().filename().string();
        out.add(name + "\n" + fatShortName(name, nothingTaken).value_or("") + "\n");
    }
    out.add("Metal Gear 2 (1990).rom\nMETALG~1.ROM\nmetalg~2.rom\n");
}

template <class Values>
void commandArguments(CorpusFolder& out, const OptionTable<Values>& table) {
    const Values defaults{};
    std::string arguments = std::string("--base-dir") + '\0' + ".";
    for (const OptionRow<Values>& row : table.rows) {
        arguments += '\0' + row.entry.name;
        if (!row.entry.placeholder.empty()) {
            const std::string shown = row.shownDefault ? row.shownDefault(defaults) : "";
            arguments += '\0' + (shown.empty() ? row.entry.placeholder : shown);
        }
    }
    out.add(arguments + '\0' + "--" + '\0' + "-file.rom");
}

void cliArguments(CorpusFolder out) {
    commandArguments(out, adjustPathsOptions());
    commandArguments(out, csvExportOptions());
    commandArguments(out, fillOptions());
    commandArguments(out, importExtraOptions());
    commandArguments(out, ipsOptions());
    commandArguments(out, otherDumpsOptions());
    commandArguments(out, renameOptions());
    commandArguments(out, setMachineOptions());
    commandArguments(out, sha1Options());
    out.add(std::string("--user-data") + '\0' + "--help");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DEMO_PROGRAMS_FOLDER CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    std::optional<demo::DemoPrograms> programs = demo::DemoPrograms::load(argv[1]);
    if (!programs)
        stop(std::string("cannot read the demo programs in ") + argv[1]);
    const std::string corpus = std::filesystem::absolute(argv[2]).string();
    std::string work = (std::filesystem::temp_directory_path() / "fuzz-seeds-XXXXXX").string();
    if (!mkdtemp(work.data()))
        stop("cannot make a scratch folder");
    const std::string root = work + "/demo";
    demo::DemoGenerator generator(std::move(*programs), "/usr/bin");
    if (!generator.generate(root))
        stop(generator.error());
    // The demo's paths are relative to its base directory.
    if (chdir(root.c_str()) != 0)
        stop("cannot enter " + root);

    const std::vector<Game> profiles = demoProfiles();
    databaseLines({corpus, "database_line"}, profiles);
    parserInputs({corpus, "cparseit"}, profiles);
    settingsFiles({corpus, "settings"}, work);
    selectionFiles({corpus, "saved_filters"}, {corpus, "favorites"}, work);
    softwareDatabases({corpus, "software_db"});
    zipArchives({corpus, "zip_members"}, work);
    tosecNames({corpus, "tosec_name"}, profiles);
    extraData({corpus, "extra_data"}, profiles);
    ipsPatches({corpus, "ips"});
    csvRows({corpus, "csv_row"}, profiles);
    shortNames({corpus, "short_name"});
    cliArguments({corpus, "cli_options"});

    std::error_code ignored;
    std::filesystem::remove_all(work, ignored);
    return 0;
}
