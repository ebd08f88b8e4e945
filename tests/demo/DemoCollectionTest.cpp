// SPDX-License-Identifier: GPL-3.0-or-later
// The demo base directory: made the same every time, and holding a collection that works.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "common/LineReader.h"
#include "demo/DemoFixture.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "emulator/EmulatorInstallation.h"
#include "emulator/Launcher.h"
#include "emulator/SoftwareIndex.h"
#include "media/MediaHash.h"
#include "media/MediumSize.h"
#include "media/Sha1Cache.h"
#include "media/ZipArchive.h"
#include "model/Settings.h"
#include "selection/Favorites.h"
#include "selection/ProfileFilter.h"
#include "selection/SavedFilters.h"
#include "support/FakeEmulator.h"
#include "support/RecordingShell.h"
#include "support/RecordingStarter.h"
#include "support/ScopedWorkingDirectory.h"
#include "support/ScriptedPrompter.h"

using namespace corvane;
using namespace corvane::test;

namespace {

namespace fs = std::filesystem;

// Every file under the folder by its path relative to it, with its bytes.
std::map<std::string, std::string> filesUnder(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = readFile(entry.path().string());
    }
    return files;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::vector<std::string> lines;
    LineReader reader(path);
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(DemoCollection, TheSameProgramsAlwaysGiveTheSameFiles) {
    TempDir dir;
    const auto first = filesUnder(generateDemo(dir, "first"));
    const auto second = filesUnder(generateDemo(dir, "second"));
    EXPECT_GT(first.size(), 20u);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first) {
        const auto other = second.find(path);
        ASSERT_NE(other, second.end()) << path;
        EXPECT_TRUE(other->second == bytes) << path << " differs";
    }
    // Nothing of the work folders stays behind.
    EXPECT_EQ(filesUnder(dir.path()).size(), first.size() + second.size());

    // A folder that is there already is never written into.
    std::optional<demo::DemoPrograms> programs = demo::DemoPrograms::load(CORVANE_DEMO_PROGRAMS);
    ASSERT_TRUE(programs);
    demo::DemoGenerator generator(std::move(*programs), "/usr/bin");
    EXPECT_FALSE(generator.generate(dir.file("first")));
    EXPECT_FALSE(generator.error().empty());
    EXPECT_EQ(filesUnder(dir.file("first")), first);
    fs::create_directory(dir.file("third.partial"));
    EXPECT_FALSE(generator.generate(dir.file("third")));
    EXPECT_FALSE(fs::exists(dir.file("third")));
}

TEST(DemoCollection, EveryLineParsesAndEveryMediumItNamesIsThere) {
    TempDir dir;
    const std::string demoDir = generateDemo(dir);
    // The paths are relative to the base directory, where the launcher runs.
    const ScopedWorkingDirectory inDemo(demoDir);
    const std::vector<std::string> lines = linesOf("Demo.db");
    ASSERT_EQ(lines.size(), 7u);
    std::set<std::string> names;
    std::set<std::string> mediumKinds;
    bool zipMember = false, slot2File = false, special = false;
    for (const std::string& line : lines) {
        Game g;
        g.FromLine(line);
        EXPECT_EQ(g.ToLine(), line);
        EXPECT_TRUE(names.insert(g.name).second) << g.name;
        for (const std::string* path :
             {&g.slot1File, &g.slot2File, &g.diskAFile, &g.diskBFile, &g.tapeFile,
              &g.hardDiskPrimary, &g.hardDiskSecondary, &g.image1, &g.image2, &g.infoFile}) {
            if (path->empty())
                continue;
            EXPECT_FALSE(isAbsolutePath(*path)) << *path;
            EXPECT_TRUE(fs::is_regular_file(*path)) << g.name << ": " << *path;
        }
        const std::pair<const std::string*, const std::string*> members[] = {
            {&g.slot1File, &g.slot1ZipEntry},
            {&g.slot2File, &g.slot2ZipEntry},
            {&g.diskAFile, &g.diskAZipEntry},
            {&g.tapeFile, &g.tapeZipEntry}};
        for (const auto& [file, entry] : members) {
            if (entry->empty())
                continue;
            zipMember = true;
            ZipArchive archive;
            EXPECT_TRUE(archive.openMember(*file, *entry)) << *file << " " << *entry;
            // openMSX is given only the archive and takes its first member.
            ASSERT_TRUE(archive.goToFirst());
            EXPECT_EQ(archive.currentInfo()->name, *entry);
        }
        const MainMediumInfo main = g.MainMedium();
        ASSERT_FALSE(main.file.empty()) << g.name;
        EXPECT_FALSE(MainMediumSize(main.file, main.entry).empty()) << g.name;
        mediumKinds.insert(main.mediumKey);
        slot2File = slot2File || !g.slot2File.empty();
        special = special || !g.slot1Special.empty() || !g.slot2Special.empty();
        if (main.mediumKey == "MEDIUM_HARDDISK") {
            EXPECT_GT(fs::file_size(main.file), 737280u);
            EXPECT_EQ(g.slot1Special, "sunriseide");
        }
    }
    EXPECT_EQ(mediumKinds, (std::set<std::string>{"MEDIUM_ROM", "MEDIUM_DISK", "MEDIUM_TAPE",
                                                  "MEDIUM_HARDDISK"}));
    EXPECT_TRUE(zipMember);
    EXPECT_TRUE(slot2File);
    EXPECT_TRUE(special);

    // Two pictures for every profile: its own or the emulator's screenshots of it.
    const Settings settings = loadSettings(".");
    ScriptedPrompter prompter;
    KeyTextSource texts;
    RecordingStarter starter;
    RecordingShell shell;
    const Launcher launcher(".", settings, starter, shell, prompter, texts);
    int fromEmulatorFolder = 0;
    for (const Game& g : demoProfiles(".")) {
        const ScreenshotFiles files = launcher.screenshotFiles(g);
        EXPECT_TRUE(fs::is_regular_file(files.image1)) << g.name << ": " << files.image1;
        EXPECT_TRUE(fs::is_regular_file(files.image2)) << g.name << ": " << files.image2;
        fromEmulatorFolder += g.image1.empty() ? 1 : 0;
    }
    EXPECT_GT(fromEmulatorFolder, 0);
}

TEST(DemoCollection, SettingsLaunchOnOpenMsxWithCBios) {
    TempDir dir;
    const Settings settings = loadSettings(generateDemo(dir));
    EXPECT_EQ(settings.defaultDatabaseName, "Demo");
    EXPECT_EQ(settings.openMsxDirectory, "/usr/bin");
    EXPECT_EQ(settings.openMsxArguments, "-machine C-BIOS_MSX2");
    EXPECT_EQ(settings.emulatorDirectory, "Corvane");
    EXPECT_TRUE(settings.screenshotsOn);
    EXPECT_EQ(settings.screenshotCount, 2);
    EXPECT_EQ(settings.imageType, "PNG");
    EXPECT_TRUE(settings.useDefaultViewer);
    EXPECT_FALSE(settings.fullScreen);
    // Written in full, so the file reads back as it was made.
    EXPECT_EQ(linesOf(dir.file("demo/settings.ini")).size(), 17u);
}

TEST(DemoCollection, FavoritesAndSavedFiltersNameWhatTheDemoHolds) {
    TempDir dir;
    const std::string demoDir = generateDemo(dir);
    const ScopedWorkingDirectory inDemo(demoDir);
    const std::vector<Game> profiles = demoProfiles(".");

    Favorites favorites(".");
    ASSERT_FALSE(favorites.items().empty());
    for (const Favorite& favorite : favorites.items()) {
        EXPECT_EQ(favorite.database, "Demo");
        EXPECT_NE(profileNamed(profiles, favorite.profile), nullptr) << favorite.profile;
    }

    // Each saved filter shows some of the profiles, not all of them, also without the emulator.
    SavedFilters filters(".");
    ASSERT_FALSE(filters.filters().empty());
    KeyTextSource texts;
    Sha1Cache cache;
    for (const SavedFilter& saved : filters.filters()) {
        ProfileFilter filter(saved.state, texts, false, cache, "Demo",
                             ProfileFilter::lookupIn(nullptr));
        size_t shown = 0;
        for (const Game& g : profiles)
            shown += filter.accepts(g) ? 1 : 0;
        EXPECT_GT(shown, 0u) << saved.name;
        EXPECT_LT(shown, profiles.size()) << saved.name;
    }
}

TEST(DemoCollection, TheSoftwareDatabaseDescribesTheDemoMedia) {
    TempDir dir;
    const std::string demoDir = generateDemo(dir);
    const ScopedWorkingDirectory inDemo(demoDir);
    const std::string xml = readFile(demo::DemoGenerator::kSoftwareDatabase);

    // The demo's emulator folder holds no emulator, so the launcher does not read it there.
    EXPECT_FALSE(EmulatorInstallation("Corvane").isValid(true));
    // In an installation the same file describes every demo medium the index keeps.
    FakeEmulator emulator;
    emulator.addDatabase("demo.xml", xml);
    SoftwareIndex index;
    std::atomic<bool> stop{false};
    ASSERT_EQ(index.build(emulator.path(), stop), IndexOutcome::Built);
    ScriptedPrompter prompter;
    KeyTextSource texts;
    const EmulatorDatabaseSet set(emulator.path(), prompter, texts);
    const std::vector<Game> profiles = demoProfiles(".");
    int described = 0;
    for (const Game& g : profiles) {
        const MainMediumInfo main = g.MainMedium();
        const std::string sha1 = MediumSha1(main.file, main.entry);
        ASSERT_FALSE(sha1.empty()) << g.name;
        if (main.mediumKey == "MEDIUM_HARDDISK")
            continue;
        ++described;
        const std::optional<CorvaneDBEntry> entry = set.findEntry(sha1);
        ASSERT_TRUE(entry && entry->found) << g.name;
        EXPECT_EQ(entry->title, g.name);
        EXPECT_EQ(entry->goodMsx, "Yes");
        EXPECT_EQ(entry->isDisk, main.mediumKey == "MEDIUM_DISK") << g.name;
        EXPECT_EQ(entry->isTape, main.mediumKey == "MEDIUM_TAPE") << g.name;
        if (main.mediumKey == "MEDIUM_DISK")
            continue;  // disk dumps are not indexed
        const SoftwareSummary* summary = index.find(sha1);
        ASSERT_NE(summary, nullptr) << g.name;
        EXPECT_EQ(summary->title, g.name);
        // A profile without data of its own shows the emulator's.
        if (g.basicDataSpecified.empty()) {
            EXPECT_EQ(summary->company, "Corvane Demo");
            EXPECT_EQ(summary->year, "2025");
        } else {
            EXPECT_EQ(summary->company, g.company);
            EXPECT_EQ(summary->year, g.year);
            EXPECT_EQ(summary->country, g.country);
        }
    }
    EXPECT_EQ(described, 6);
    // The tape and the cartridge that greets with it are dumps of one software.
    const Game* tape = profileNamed(profiles, "Demo Tape");
    ASSERT_NE(tape, nullptr);
    const std::optional<std::set<std::string>> dumps =
        index.otherDumps(MediumSha1(tape->tapeFile, ""));
    ASSERT_TRUE(dumps);
    EXPECT_EQ(*dumps, (std::set<std::string>{MediumSha1(tape->tapeFile, ""),
                                             MediumSha1(tape->slot2File, "")}));
}
