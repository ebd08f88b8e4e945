// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileProperties.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

namespace corvane {
// Rows print readably in failure messages.
void PrintTo(const PropertyRow& row, std::ostream* out) {
    *out << static_cast<int>(row.field) << ":\"" << row.value << '"';
}
}  // namespace corvane

using namespace corvane;
using namespace corvane::test;
using Rows = std::vector<PropertyRow>;
using Page = PropertiesPage;
using F = PropertyField;

namespace {

std::vector<F> fieldsOf(const Rows& rows) {
    std::vector<F> fields;
    for (const PropertyRow& row : rows)
        fields.push_back(row.field);
    return fields;
}

}  // namespace

TEST(ProfilePropertiesTest, PagesForProfileAndEntry) {
    EXPECT_EQ(propertiesPages(true, true),
              (std::vector<Page>{Page::Launcher, Page::CorvaneDatabase, Page::Captures,
                                 Page::GenerationMsx}));
    EXPECT_EQ(propertiesPages(true, false),
              (std::vector<Page>{Page::Launcher, Page::Captures, Page::GenerationMsx}));
    EXPECT_EQ(propertiesPages(false, true), std::vector<Page>{Page::CorvaneDatabase});
    EXPECT_EQ(propertiesPages(false, false), std::vector<Page>{});
}

TEST(ProfilePropertiesTest, LauncherRowsCollapseWhatTheProfileLacks) {
    TempDir dir;
    LanguageManager english;
    english.setLanguage(9);
    Game g;
    g.name = "Knightmare";
    g.slot1File = dir.file("Knight.ZIP");
    g.slot1ZipEntry = "KNIGHT.ROM";
    writeZip(g.slot1File, {{"readme.txt", "x"}, {"knight.rom", std::string(5 * 1024 + 100, 'k')}});
    g.generation = {true, true, false, false};
    g.sound[0] = true;
    g.genre1 = 7;
    g.company = "Konami";  // not specified: not shown
    EXPECT_EQ(launcherRows(g, "Games", "abc", english),
              (Rows{{F::Name, "Knightmare"},
                    {F::Database, "Games"},
                    {F::File, g.slot1File},
                    {F::InZip, "KNIGHT.ROM"},
                    {F::Medium, "ROM"},
                    {F::Size, "5 KB"},  // the member, found whatever its letter case
                    {F::Sha1, "abc"},
                    {F::Generation, "MSX, MSX2"},
                    {F::Sound, "PSG"},
                    {F::Genre, "Arcade"}}));

    // Specified data shows, with the country's name; a member name of a file that is no archive
    // does not.
    g.basicDataSpecified = "T";
    g.year = "1986";
    g.country = "JP";
    g.slot1File.clear();
    g.tapeFile = dir.write("knight.cas", std::string(2048, 't'));
    g.tapeZipEntry = "side a.cas";
    const Rows tape = launcherRows(g, "Games", "", english);
    EXPECT_EQ(fieldsOf(tape),
              (std::vector<F>{F::Name, F::Database, F::File, F::Medium, F::Size, F::Sha1,
                              F::Company, F::Year, F::Country, F::Generation, F::Sound, F::Genre}));
    EXPECT_EQ(tape[3].value, "Tape");
    EXPECT_EQ(tape[4].value, "2 KB");
    EXPECT_EQ(tape[8].value, "Japan");

    // Nothing to show is shown empty, never as a catalogue key.
    Game bare;
    bare.basicDataSpecified = "T";
    bare.country = "M_ERROR";
    bare.hardDiskSecondary = dir.file("second.dsk");
    const Rows empty = launcherRows(bare, "Games", "", english);
    for (const PropertyRow& row : empty)
        EXPECT_TRUE(row.value.empty() || row.field == F::Database || row.field == F::Country);
    EXPECT_EQ(empty[8], (PropertyRow{F::Country, "M_ERROR"}));
    EXPECT_EQ(countryText("US", english), "USA");
    EXPECT_EQ(countryText("Japan", english), "Japan");
    EXPECT_EQ(countryText("XY", english), "XY");
}

TEST(ProfilePropertiesTest, EmulatorRowsByKindOfMedium) {
    LanguageManager english;
    english.setLanguage(9);
    CorvaneDBEntry cartridge;
    cartridge.title = "Knightmare";
    cartridge.system = "MSX";
    cartridge.country = "JP";
    cartridge.company = "Konami";
    cartridge.year = "1986";
    cartridge.database = "msx.xml";
    cartridge.sha1 = "abc";
    cartridge.goodMsx = "Yes";
    cartridge.mapper = "Konami";
    cartridge.romStart = "0x4000";
    cartridge.mediaStart = "never shown";
    cartridge.remark = "first";
    cartridge.found = cartridge.isRom = true;
    EXPECT_EQ(corvaneDatabaseRows(cartridge, english), (Rows{{F::Title, "Knightmare"},
                                                             {F::System, "MSX"},
                                                             {F::Country, "Japan"},
                                                             {F::Company, "Konami"},
                                                             {F::Year, "1986"},
                                                             {F::XmlFile, "msx.xml"},
                                                             {F::Sha1, "abc"},
                                                             {F::GoodMsx, "Yes"},
                                                             {F::Mapper, "Konami"},
                                                             {F::RomStart, "0x4000"},
                                                             {F::Remark, "first"}}));
    cartridge.romStart.clear();
    EXPECT_EQ(fieldsOf(corvaneDatabaseRows(cartridge, english)),
              (std::vector<F>{F::Title, F::System, F::Country, F::Company, F::Year, F::XmlFile,
                              F::Sha1, F::GoodMsx, F::Mapper, F::Remark}));

    const std::vector<F> medium{F::Title,   F::System, F::Country, F::Company,    F::Year,
                                F::XmlFile, F::Sha1,   F::GoodMsx, F::MediaStart, F::Remark};
    CorvaneDBEntry disk = cartridge;
    disk.isRom = false;
    disk.isDisk = true;
    disk.romStart = "0x4000";
    const Rows diskRows = corvaneDatabaseRows(disk, english);
    EXPECT_EQ(fieldsOf(diskRows), medium);
    EXPECT_EQ(diskRows[8].value, "never shown");
    CorvaneDBEntry tape = disk;
    tape.isDisk = false;
    tape.isTape = true;
    tape.mediaStart.clear();  // an empty start command keeps its row
    EXPECT_EQ(fieldsOf(corvaneDatabaseRows(tape, english)), medium);
}

TEST(ProfilePropertiesTest, LookUpFindsTheEntryOfTheMainMedium) {
    FakeEmulator emulator;
    TempDir dir;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    Sha1Cache cache;
    Game g;
    g.name = "Knightmare";
    g.slot1File = dir.write("knight.rom", "knightmare bytes");
    const std::string sha1 = MediumSha1(g.slot1File, "");
    emulator.addDatabase("a.xml", "<db><software><title>Other</title></software></db>");
    emulator.addDatabase("b.xml",
                         "<db><software><title>Knightmare</title><dump><megarom>"
                         "<hash algo=\"sha1\">" +
                             sha1 + "</hash><type>Konami</type></megarom></dump></software></db>");

    PropertiesSubject found = lookUpProperties(g, "Games", emulator.path(), cache, prompter, texts);
    EXPECT_EQ(found.sha1, sha1);
    ASSERT_TRUE(found.entry);
    EXPECT_EQ(found.entry->title, "Knightmare");
    EXPECT_EQ(found.entry->database, "b.xml");
    EXPECT_EQ(cache.find("Knightmare", "Games"), sha1);

    // A dump the emulator does not know gives no entry; a profile that cannot be hashed does not
    // even read the databases, so it owes no message about them.
    g.name = "Unknown";
    g.slot1File = dir.write("unknown.rom", "other bytes");
    const PropertiesSubject unknown =
        lookUpProperties(g, "Games", emulator.path(), cache, prompter, texts);
    EXPECT_EQ(unknown.sha1, MediumSha1(g.slot1File, ""));
    EXPECT_FALSE(unknown.entry);
    emulator.write("Databases/a.xml.txt", "");
    std::filesystem::remove(emulator.path() + "/Databases/a.xml");
    std::filesystem::remove(emulator.path() + "/Databases/b.xml");
    g.name = "Missing";
    g.slot1File = dir.file("missing.rom");
    const PropertiesSubject missing =
        lookUpProperties(g, "Games", emulator.path(), cache, prompter, texts);
    EXPECT_EQ(missing.sha1, "");
    EXPECT_FALSE(missing.entry);
    EXPECT_TRUE(prompter.messages.empty());
    g.slot1File = dir.file("unknown.rom");
    lookUpProperties(g, "Games", emulator.path(), cache, prompter, texts);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "M_ERR_NO_CORVANE_DB");
}
