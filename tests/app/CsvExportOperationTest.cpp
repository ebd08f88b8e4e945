// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "app/CsvExportOperation.h"
#include "common/Progress.h"
#include "i18n/LanguageIds.h"
#include "i18n/LanguageManager.h"
#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "support/CsvRows.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

constexpr std::string_view kHeader =
    "Name in Launcher,Launcher Database,Main Profile Medium,Main Profile Size,Info File,"
    "Machine,Slot 1,Slot 1: Special,Slot 1: Name in ZIP,Slot 2,Slot 2: Special,"
    "Slot 2: Name in ZIP,Disk A,Disk A: Name in ZIP,Disk B,Disk B: Name in ZIP,Tape,"
    "Tape: Name in ZIP,Hard Disk: Primary,Hard Disk: Secondary,Image 1,Image 2,"
    "openMSX Arguments,openMSX Override,fMSX Arguments,fMSX Override,SHA1,"
    "Title in Corvane Database,System,Company,Year,Country,Corvane Database File,"
    "Good MSX,Mapper,ROM Start,Disk / Tape Start Command,Remark,Generation,Sound,"
    "Genre\r\n";

// n empty values, each followed by its comma.
std::string empties(int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += R"("",)";
    return out;
}

// Asks for a stop once the position has reached a given value.
class StoppingProgress : public Progress {
public:
    explicit StoppingProgress(std::int64_t stopAt) : stopAt_(stopAt) {}
    void setRange(std::int64_t total) override { range = total; }
    void setPosition(std::int64_t done) override { position = done; }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return stopAt_ > 0 && position >= stopAt_; }
    std::int64_t range = -1;
    std::atomic<std::int64_t> position{0};

private:
    std::int64_t stopAt_;
};

class CsvExportOperationTest : public ::testing::Test {
protected:
    CsvExportOperationTest() {
        languages.setLanguage(kLanguageEnglish);
        rom = dir.write("media/Knightmare.rom", patternBytes(32 * 1024));
        other = dir.write("media/odd\"folder/Twin.rom", "twin");
        romSha1 = MediumSha1(rom, "");
        emulator.addDatabase(
            "msx.xml",
            "<db><software><title>Knightmare</title><system>MSX</system><company>Konami</company>"
            "<year>1986</year><country>JP</country><dump><original>GoodMSX</original>"
            "<megarom><type>Konami</type><hash algo=\"sha1\">" +
                romSha1 +
                "</hash><start>0x4000</start><remark><text>first edition</text></remark>"
                "</megarom></dump></software></db>");
    }

    void writeDatabase(const std::string& name, const std::vector<Game>& profiles) {
        std::string bytes;
        for (const Game& game : profiles)
            bytes += game.ToLine() + "\r\n";
        dir.write(name + ".db", bytes);
    }

    ToolReport exportCsv(CsvExportRequest request, Progress& progress) {
        CsvExportOperation operation(store, cache, languages);
        EXPECT_EQ(operation.refusal(request), std::nullopt);
        CsvExportJob job = operation.prepare(request, SoftwareSources(emulator.path()));
        job.run(progress);
        return operation.finish(job);
    }
    ToolReport exportCsv(CsvExportRequest request) {
        NoProgress progress;
        return exportCsv(std::move(request), progress);
    }

    // Knightmare under a name with quotes, a slot-2-only profile and one with its own data.
    void writeKonami() {
        Game quoted;
        quoted.name = "Knight \"Special\" mare";
        quoted.machine = "Philips NMS 8250";
        quoted.slot1File = rom;
        Game slot2;
        slot2.name = "Slot two";
        slot2.slot2File = rom;
        Game own;
        own.name = "Own data";
        own.slot1File = rom;
        own.basicDataSpecified = "T";
        own.system = "MSX";
        own.company = "Konami";
        own.year = "1986";
        own.country = "JP";
        writeDatabase("Konami", {quoted, slot2, own});
    }

    TempDir dir;
    FakeEmulator emulator;
    LanguageManager languages;
    DatabaseStore store{dir.path()};
    Sha1Cache cache;
    std::string rom;
    std::string other;
    std::string romSha1;
};

}  // namespace

TEST_F(CsvExportOperationTest, FilesOfOneDatabaseAndOfAll) {
    writeKonami();
    Game twin;
    twin.name = "Knight \"Special\" mare";
    twin.slot1File = other;
    writeDatabase("Other", {twin});
    const std::string out = dir.file("out.csv");

    ToolReport report = exportCsv({.all = false, .database = "Konami", .file = " " + out + " "});
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "CSV file was successfully generated");
    const std::string quotedRow =
        R"("Knight \"Special\" mare","Konami","ROM","32 KB","","Philips NMS 8250",")" + rom +
        R"(",)" + empties(19) + '"' + romSha1 +
        R"(","Knightmare","MSX","Konami","1986","JP","msx.xml","Yes","Konami","0x4000",)"
        R"("","first edition","","","")"
        "\r\n";
    const std::string slot2Row =
        R"("Slot two","Konami",)" + empties(7) + '"' + rom + R"(",)" + empties(30) + "\"\"\r\n";
    const std::string ownRow = R"("Own data","Konami","ROM","32 KB","","",")" + rom + R"(",)" +
                               empties(19) + '"' + romSha1 + R"(","","MSX","Konami","1986","JP",)" +
                               empties(8) + "\"\"\r\n";
    EXPECT_EQ(readFile(out), std::string(kHeader) + quotedRow + slot2Row + ownRow);

    // All, in the listing order; the twin has its own SHA-1 though the name is the same, and the
    // quote in its folder keeps every later value in its column.
    cache = Sha1Cache();
    report = exportCsv({.all = true, .database = "", .file = out});
    EXPECT_EQ(report.result, OperationResult::Done);
    const std::vector<std::string> lines = csvLines(readFile(out));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], quotedRow);
    for (const std::string& line : std::vector(lines.begin() + 1, lines.end()))
        EXPECT_EQ(parseCsvRow(line).size(), 41u) << line;
    const std::vector<std::string> twinValues = parseCsvRow(lines[4]);
    ASSERT_EQ(twinValues.size(), 41u);
    EXPECT_EQ(twinValues[1], "Other");
    EXPECT_EQ(twinValues[6], other);
    EXPECT_EQ(twinValues[26], MediumSha1(other, ""));
    EXPECT_EQ(twinValues[27], "");

    // What was computed is kept, and what the cache holds is taken without reading the medium.
    EXPECT_EQ(cache.find(twin.name, "Other"), MediumSha1(other, ""));
    EXPECT_EQ(cache.find(twin.name, "Konami"), romSha1);
    cache.store("Own data", "Konami", "0123456789012345678901234567890123456789");
    exportCsv({.all = false, .database = "Konami", .file = out});
    EXPECT_EQ(parseCsvRow(csvLines(readFile(out)).at(3)).at(26),
              "0123456789012345678901234567890123456789");
}

TEST_F(CsvExportOperationTest, CancelPublishesTheRowsWrittenSoFar) {
    std::vector<Game> profiles(45);
    for (size_t i = 0; i < profiles.size(); ++i) {
        profiles[i].name = "Game " + std::to_string(i);
        profiles[i].slot1File = dir.write("media/" + std::to_string(i) + ".rom", std::to_string(i));
    }
    writeDatabase("Many", profiles);
    const std::string out = dir.write("out.csv", "the old export\r\n");

    // Cancel comes as the position reaches 21: the 21st profile is not written.
    StoppingProgress progress(21);
    const ToolReport report = exportCsv({.all = true, .database = "", .file = out}, progress);
    EXPECT_EQ(progress.range, 45);
    EXPECT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "CSV file was partially generated");
    const std::vector<std::string> lines = csvLines(readFile(out));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(parseCsvRow(lines[20]).at(0), "Game 19");
    EXPECT_FALSE(std::filesystem::exists(out + ".tmp"));
    // The profiles hashed before the stop are kept.
    EXPECT_EQ(cache.find("Game 19", "Many"), MediumSha1(profiles[19].slot1File, ""));
}

TEST_F(CsvExportOperationTest, AFailedWriteLeavesTheOldFile) {
    writeKonami();
    const std::string out = dir.write("out.csv", "the old export\r\n");
    // No temporary file can be made where a folder of its name stands.
    std::filesystem::create_directory(out + ".tmp");
    const ToolReport report = exportCsv({.all = true, .database = "", .file = out});
    EXPECT_EQ(report.result, OperationResult::FileError);
    EXPECT_EQ(report.message, "");
    EXPECT_EQ(readFile(out), "the old export\r\n");
}

TEST_F(CsvExportOperationTest, Refusals) {
    writeKonami();
    CsvExportOperation operation(store, cache, languages);
    CsvExportRequest request{.all = true, .database = "", .file = "   "};
    EXPECT_EQ(operation.refusal(request), "M_ERR_CSV_EMPTY_FILENAME");
    request = {.all = false, .database = "Missing", .file = dir.file("x.csv")};
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DB_SEL");
    // A database made by another program since the list was read is found.
    writeDatabase("Later", {});
    request.database = "Later";
    EXPECT_EQ(operation.refusal(request), std::nullopt);

    EXPECT_FALSE(CsvExportOperation::replacesFile(request));
    dir.write("x.csv", "");
    EXPECT_TRUE(CsvExportOperation::replacesFile(request));
    request.file = dir.path();
    EXPECT_FALSE(CsvExportOperation::replacesFile(request));
}
