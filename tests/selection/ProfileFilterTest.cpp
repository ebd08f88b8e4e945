// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileFilter.h"

#include <gtest/gtest.h>

#include <map>

#include "emulator/SoftwareIndex.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "support/TempDir.h"

using namespace corvane;

namespace {

using Names = std::vector<std::string>;

Game named(const std::string& name) {
    Game game;
    game.name = name;
    return game;
}

Game withData(const std::string& name, const std::string& company, const std::string& year,
              const std::string& country, const std::string& system = "MSX") {
    Game game = named(name);
    game.basicDataSpecified = "T";
    game.company = company;
    game.year = year;
    game.country = country;
    game.system = system;
    return game;
}

class ProfileFilterTest : public ::testing::Test {
protected:
    ProfileFilterTest() { texts.setLanguage(kLanguageEnglish); }

    ProfileFilter filter(const FilterState& state, bool emulatorPresent = true) {
        return ProfileFilter(state, texts, emulatorPresent, cache, "Games",
                             [this](std::string_view sha1) -> const SoftwareSummary* {
                                 const auto it = software.find(std::string(sha1));
                                 return it == software.end() ? nullptr : &it->second;
                             });
    }

    Names shown(const FilterState& state, const std::vector<Game>& games,
                bool emulatorPresent = true) {
        ProfileFilter f = filter(state, emulatorPresent);
        Names names;
        for (const Game& g : games)
            if (f.accepts(g))
                names.push_back(g.name);
        return names;
    }

    test::TempDir dir;
    LanguageManager texts;
    Sha1Cache cache;
    std::map<std::string, SoftwareSummary> software;
};

}  // namespace

TEST_F(ProfileFilterTest, MediumAndFlagCriteria) {
    Game romAndTape = named("romAndTape");
    romAndTape.slot1File = "a.rom";
    romAndTape.tapeFile = "a.cas";
    romAndTape.generation[2] = true;  // MSX2+
    romAndTape.genre1 = 26;           // Puzzle
    Game romAndDisk = named("romAndDisk");
    romAndDisk.slot2File = "b.rom";
    romAndDisk.diskAFile = "b.dsk";
    romAndDisk.sound[7] = true;  // MIDI
    romAndDisk.genre2 = 30;      // RPG, as the second genre only
    Game diskB = named("diskB");
    diskB.diskBFile = "d.dsk";
    diskB.hardDiskPrimary = "ide.dsk";
    const std::vector<Game> games{romAndTape, romAndDisk, diskB};

    FilterState state;
    EXPECT_EQ(shown(state, games).size(), 3u);
    state.medium = "MEDIUM_TAPE";
    EXPECT_EQ(shown(state, games), Names{"romAndTape"});
    state.medium = "MEDIUM_DISK";
    EXPECT_EQ(shown(state, games), Names{"diskB"});
    state.medium = "MEDIUM_ROM";
    EXPECT_EQ(shown(state, games), (Names{"romAndTape", "romAndDisk"}));
    state.medium = "MEDIUM_HARDDISK";
    EXPECT_EQ(shown(state, games), Names{"diskB"});
    // An empty criterion from a short saved-filter line is a value like any other.
    state.medium = "";
    EXPECT_TRUE(shown(state, games).empty());

    state = {};
    state.generation = "MSX2+";
    EXPECT_EQ(shown(state, games), Names{"romAndTape"});
    state = {};
    state.sound = "MIDI";
    EXPECT_EQ(shown(state, games), Names{"romAndDisk"});
    state.sound = "";
    EXPECT_TRUE(shown(state, games).empty());
    state = {};
    state.set(FilterCriterion::Genre, "RPG");
    EXPECT_EQ(shown(state, games), Names{"romAndDisk"});
    // Code 0 of an unknown name must not match the profiles that have no genre.
    state.set(FilterCriterion::Genre, "Unknown");
    EXPECT_TRUE(shown(state, games).empty());
}

TEST_F(ProfileFilterTest, OwnDataYearRuleAndCountryByCodeOrName) {
    const std::vector<Game> games{withData("none", "", "", ""), withData("85", "", "1985", ""),
                                  withData("86", "", "1986", ""), withData("87", "", "1987", "")};
    FilterState state;
    state.year = "1986";
    EXPECT_EQ(shown(state, games), Names{"86"});
    state.yearComparison = kYearEqualOrGreater;
    EXPECT_EQ(shown(state, games), (Names{"86", "87"}));
    state.yearComparison = kYearEqualOrLess;
    EXPECT_EQ(shown(state, games), (Names{"none", "85", "86"}));

    const std::vector<Game> companies{
        withData("code", "KONAMI", "", "jp"), withData("name", "konami", "", "Japan"),
        withData("partial", "Konami Ltd", "", "JP"), withData("svi", "Konami", "", "US", "svi")};
    state = {};
    state.company = "Konami";
    EXPECT_EQ(shown(state, companies), (Names{"code", "name", "svi"}));
    state.system = "SVI";
    EXPECT_EQ(shown(state, companies), Names{"svi"});
    state.system = kSelectionAll;
    state.country = "JP";
    EXPECT_EQ(shown(state, companies), (Names{"code", "name"}));
    texts.setLanguage(kLanguageGerman);
    state.country = "DE";
    EXPECT_EQ(shown(state, {withData("de", "Konami", "", "Deutschland"),
                            withData("en", "Konami", "", "Germany")}),
              Names{"de"});
}

TEST_F(ProfileFilterTest, WithoutTheEmulatorSoftwareCriteriaPassEverything) {
    Game unknown = named("unknown");
    unknown.slot1File = dir.write("a.rom", "abc");
    unknown.generation[1] = true;
    const Game own = withData("own", "Ascii", "1990", "US");
    FilterState state;
    state.company = "Konami";
    state.year = "1986";
    EXPECT_EQ(shown(state, {unknown, own}, false), (Names{"unknown", "own"}));
    state.generation = "MSX2";
    EXPECT_EQ(shown(state, {unknown, own}, false), Names{"unknown"});
    EXPECT_FALSE(cache.contains("unknown", "Games"));
}

TEST_F(ProfileFilterTest, EmulatorDataByTheMainMediumHashedOncePerRun) {
    software["a9993e364706816aba3e25717850c26c9cd0d89d"] = {"Knightmare", "MSX", "Konami", "1986",
                                                            "JP"};
    Game rom = named("rom");
    rom.slot1File = dir.write("knight.rom", "abc");
    Game tape = named("tape");
    tape.tapeFile = dir.write("knight.cas", "abc");
    Game unlisted = named("unlisted");
    unlisted.slot1File = dir.write("other.rom", "other bytes");
    Game slot2 = named("slot2");  // slot 2 never makes the main medium
    slot2.slot2File = dir.file("knight.rom");
    // Own fields count only when basicDataSpecified is "T".
    Game ownIgnored = withData("ownIgnored", "Konami", "1986", "JP");
    ownIgnored.basicDataSpecified = "";
    const std::vector<Game> games{rom, tape, unlisted, slot2, ownIgnored};

    FilterState state;
    state.sound = "PSG";
    EXPECT_EQ(filter(state).mediaHashed(), 0);
    state = {};
    state.company = "konami";
    ProfileFilter first = filter(state);
    Names names;
    for (const Game& g : games)
        if (first.accepts(g))
            names.push_back(g.name);
    EXPECT_EQ(names, (Names{"rom", "tape"}));
    EXPECT_EQ(first.mediaHashed(), 3);

    // The entry's country is compared with the code only.
    state.country = "Japan";
    EXPECT_EQ(shown(state, games), Names{});
    state.country = "jp";
    state.year = "1985";
    state.yearComparison = kYearEqualOrGreater;
    ProfileFilter again = filter(state);
    EXPECT_TRUE(again.accepts(rom));
    EXPECT_FALSE(again.accepts(unlisted));
    EXPECT_EQ(again.mediaHashed(), 0);

    ProfileFilter noIndex(state, texts, true, cache, "Games", ProfileFilter::lookupIn(nullptr));
    EXPECT_FALSE(noIndex.accepts(rom));
}
