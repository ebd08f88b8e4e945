// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/EmulatorDatabaseSet.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "support/CsvRows.h"
#include "support/FakeEmulator.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"
#include "tools/CsvRowBuilder.h"

using namespace corvane;
using namespace corvane::test;

namespace {

std::vector<std::string> split(std::string_view line, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at; (at = line.find(separator, from)) != std::string_view::npos; from = at + 1)
        parts.emplace_back(line.substr(from, at - from));
    parts.emplace_back(line.substr(from));
    return parts;
}

class CsvRowBuilderTest : public ::testing::Test {
protected:
    CsvRowBuilderTest() {
        romPath = files.write("Knightmare.rom", patternBytes(32 * 1024));
        zipPath = files.file("tape.zip");
        writeZip(zipPath, {{"side a.cas", patternBytes(3000)}});
        const std::string romSha1 = MediumSha1(romPath, "");
        emulator.addDatabase(
            "msx.xml",
            "<db><software><title>Knightmare</title><system>MSX</system><company>Konami</company>"
            "<year>1986</year><country>JP</country><dump><original>GoodMSX</original>"
            "<megarom><type>Konami</type><hash algo=\"sha1\">" +
                romSha1 +
                "</hash><start>0x4000</start><remark><text>first \"edition\"</text></remark>"
                "</megarom></dump></software></db>");
        languages.setLanguage(kLanguageEnglish);
    }

    std::string row(const Game& game, const std::string& database) {
        const EmulatorDatabaseSet software(SoftwareSources(emulator.path()), prompter, languages);
        const CsvRowBuilder builder(languages, software);
        return builder.rowLine(game, database, ProfileSha1(game, database, cache),
                               csvMainMediumSize(game));
    }

    TempDir files;
    FakeEmulator emulator;
    ScriptedPrompter prompter;
    LanguageManager languages;
    Sha1Cache cache;
    std::string romPath;
    std::string zipPath;
};

}  // namespace

TEST_F(CsvRowBuilderTest, HeaderInTheCurrentLanguage) {
    const EmulatorDatabaseSet software(SoftwareSources(emulator.path()), prompter, languages);
    const CsvRowBuilder builder(languages, software);
    EXPECT_EQ(builder.headerLine(),
              "Name in Launcher,Launcher Database,Main Profile Medium,Main Profile Size,Info File,"
              "Machine,Slot 1,Slot 1: Special,Slot 1: Name in ZIP,Slot 2,Slot 2: Special,"
              "Slot 2: Name in ZIP,Disk A,Disk A: Name in ZIP,Disk B,Disk B: Name in ZIP,Tape,"
              "Tape: Name in ZIP,Hard Disk: Primary,Hard Disk: Secondary,Image 1,Image 2,"
              "openMSX Arguments,openMSX Override,fMSX Arguments,fMSX Override,SHA1,"
              "Title in Corvane Database,System,Company,Year,Country,Corvane Database File,"
              "Good MSX,Mapper,ROM Start,Disk / Tape Start Command,Remark,Generation,Sound,"
              "Genre\r\n");

    // Every language has all 41 captions as its own texts, the same as its dialogs show.
    for (const LanguageEntry& language : kLanguages) {
        languages.setLanguage(language.id);
        std::string header = builder.headerLine();
        ASSERT_TRUE(header.ends_with("\r\n"));
        header.resize(header.size() - 2);
        const std::vector<std::string> captions = split(header, ',');
        ASSERT_EQ(captions.size(), size_t(kCsvColumnCount)) << language.code << ": " << header;
        for (const std::string& caption : captions)
            EXPECT_FALSE(caption.empty() || caption.starts_with("CSV_"))
                << language.code << ": " << caption;
        EXPECT_EQ(captions[1], languages.textForId(1344)) << language.code;
        EXPECT_EQ(captions[26], languages.textForId(1154)) << language.code;
        EXPECT_EQ(captions[40], languages.textForId(1161)) << language.code;
    }
}

TEST_F(CsvRowBuilderTest, RowsOfTheProfileKinds) {
    Game rom;
    rom.name = "Say \"Hi\"";
    rom.slot1File = romPath;
    rom.machine = "Philips NMS 8250";
    rom.generation = {true, true, false, false};
    const std::string romSha1 = MediumSha1(romPath, "");
    // Columns 8 to 26 are empty: nineteen "" values.
    std::string empties;
    for (int column = 8; column <= 26; ++column)
        empties += R"("",)";
    EXPECT_EQ(row(rom, "Konami"),
              R"("Say \"Hi\"","Konami","ROM","32 KB","","Philips NMS 8250",")" + romPath + R"(",)" +
                  empties + '"' + romSha1 +
                  R"(","Knightmare","MSX","Konami","1986","JP","msx.xml","Yes","Konami","0x4000",)"
                  R"("","first \"edition\"","MSX, MSX2","","")"
                  "\r\n");

    // Only a slot 2 cartridge: no main medium, so no size, SHA-1 or software data.
    Game slot2;
    slot2.name = "Second slot";
    slot2.slot2File = romPath;
    std::vector<std::string> values = parseCsvRow(row(slot2, "Konami"));
    ASSERT_EQ(values.size(), size_t(kCsvColumnCount));
    EXPECT_EQ(values[9], romPath);
    for (int column : {3, 4, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38})
        EXPECT_EQ(values[column - 1], "") << column;

    // The user's own data, even though the medium is in the software database.
    Game specified = rom;
    specified.basicDataSpecified = "T";
    specified.company = "Zemina";
    specified.country = "KR";
    specified.year = "1987";
    specified.system = "MSX2";
    values = parseCsvRow(row(specified, "Konami"));
    ASSERT_EQ(values.size(), size_t(kCsvColumnCount));
    EXPECT_EQ(values[26], romSha1);
    EXPECT_EQ(
        (std::vector<std::string>(values.begin() + 27, values.begin() + 38)),
        (std::vector<std::string>{"", "MSX2", "Zemina", "1987", "KR", "", "", "", "", "", ""}));

    // One name in two databases: each row has the SHA-1 of its own profile.
    Game twin = rom;
    twin.slot1File = files.write("other.rom", "other");
    EXPECT_EQ(parseCsvRow(row(rom, "A")).at(26), romSha1);
    EXPECT_EQ(parseCsvRow(row(twin, "B")).at(26), MediumSha1(twin.slot1File, ""));
    EXPECT_EQ(parseCsvRow(row(twin, "B")).at(27), "");

    // A tape in a ZIP is the main medium without a cartridge or disk; not in the database.
    Game tape;
    tape.name = "Tape";
    tape.tapeFile = zipPath;
    tape.tapeZipEntry = "side a.cas";
    values = parseCsvRow(row(tape, "Tapes"));
    ASSERT_EQ(values.size(), size_t(kCsvColumnCount));
    EXPECT_EQ(values[2], "Tape");
    EXPECT_EQ(values[3], "2 KB");
    EXPECT_EQ(values[26], MediumSha1(zipPath, "side a.cas"));
    EXPECT_EQ(values[27], "");
}

TEST_F(CsvRowBuilderTest, EveryValueKeepsItsColumn) {
    // Quotes anywhere, a value ending in a backslash, a separator, Windows-1252 bytes.
    Game odd;
    odd.name = "\"Quoted\" \xE9t\xE9";
    odd.slot1File = files.write("a\"b,\"c.rom", std::string(1024, 'x'));
    odd.slot1ZipEntry = "\"";
    odd.infoFile = "C:\\Docs\\";
    odd.openMsxArguments = "-script \"a b.tcl\"";
    odd.machine = "\\\"";
    odd.image1 = "\",\"";
    odd.basicDataSpecified = "T";
    odd.company = "Caf\xE9 \x80";
    const std::string line = row(odd, "Odd \"one\"");
    const std::vector<std::string> values = parseCsvRow(line);
    ASSERT_EQ(values.size(), size_t(kCsvColumnCount)) << line;
    EXPECT_EQ(values[0], "\"Quoted\" \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(values[1], "Odd \"one\"");
    EXPECT_EQ(values[3], "1 KB");
    EXPECT_EQ(values[4], "C:\\Docs\\");
    EXPECT_EQ(values[5], "\\\"");
    EXPECT_EQ(values[6], odd.slot1File);
    EXPECT_EQ(values[8], "\"");
    EXPECT_EQ(values[20], "\",\"");
    EXPECT_EQ(values[22], odd.openMsxArguments);
    EXPECT_EQ(values[29], "Caf\xC3\xA9 \xE2\x82\xAC");
}

// A value ending in a quote and a comma is written as backslash, quote, comma before its closing
// quote, which looks like a value ending in a backslash followed by the next one: only the rest
// of the row tells them apart.
TEST_F(CsvRowBuilderTest, ValuesEndingInQuoteAndCommaKeepTheirColumns) {
    Game tricky;
    tricky.name = "Say \"hi\",";
    tricky.machine = "\\";
    tricky.infoFile = "\",\",";
    const std::vector<std::string> values = parseCsvRow(row(tricky, "x\","));
    ASSERT_EQ(values.size(), size_t(kCsvColumnCount));
    EXPECT_EQ(values[0], tricky.name);
    EXPECT_EQ(values[1], "x\",");
    EXPECT_EQ(values[4], tricky.infoFile);
    EXPECT_EQ(values[5], tricky.machine);
}
