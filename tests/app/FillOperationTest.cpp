// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <atomic>
#include <climits>
#include <filesystem>
#include <functional>
#include <map>

#include "app/FillOperation.h"
#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "media/CSHADigest.h"
#include "media/MediaHash.h"
#include "support/ChildProcess.h"
#include "support/FakeEmulator.h"
#include "support/ZipFixture.h"

#include "OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Records what a run shows and asks for a stop after a given number of files. The hashing
// threads ask too, so the count they read is atomic.
class RecordingProgress : public Progress {
public:
    explicit RecordingProgress(int stopAfterFiles = -1) : stopAfter_(stopAfterFiles) {}
    void setRange(std::int64_t total) override { range = total; }
    void setPosition(std::int64_t done) override { position = done; }
    void setStatus(const std::string& path) override { directories.push_back(path); }
    void setDetail(const std::string& name) override {
        files.push_back(name);
        ++fileCount_;
    }
    bool cancelled() const override { return stopAfter_ >= 0 && fileCount_ >= stopAfter_; }
    std::vector<std::string> directories;
    std::vector<std::string> files;
    std::int64_t range = -1;
    std::int64_t position = -1;

private:
    int stopAfter_;
    std::atomic<int> fileCount_{0};
};

std::string sha1Of(const std::string& bytes) {
    CSHADigest digest;
    digest.Update(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    digest.Final();
    return toLowerAscii(digest.DigestText());
}

class FillOperationTest : public OperationsFixture {
protected:
    TempDir media;
    FakeEmulator emulator;
    FillOperation operation{store, favorites, cache, texts};

    FillRequest newDatabase(const std::string& name, std::vector<std::string> paths) {
        FillRequest request;
        request.target = FillTarget::New;
        request.databaseName = name;
        request.paths = std::move(paths);
        return request;
    }
    FillRequest existing(const std::string& name, FillMode mode) {
        FillRequest request;
        request.databaseName = name;
        request.mode = mode;
        request.paths = {media.path()};
        return request;
    }
    ToolReport run(FillRequest request, RecordingProgress& progress) {
        if (auto refused = operation.refusal(request)) {
            ADD_FAILURE() << "refused: " << *refused;
            return {};
        }
        FillJob job = operation.prepare(std::move(request), emulator.path());
        job.run(progress);
        return operation.finish(job);
    }
    ToolReport run(FillRequest request) {
        RecordingProgress progress;
        return run(std::move(request), progress);
    }
    std::vector<Game> profiles(const std::string& db) const {
        return DatabaseStore::readProfiles(dir.file(db + ".db"));
    }
    // Appends the media folder to Db as a fresh start of the program would, with no SHA-1
    // remembered from the runs before; the database must stay as it is.
    void expectAnAppendAddsNothing() {
        const std::string before = readFile(dir.file("Db.db"));
        cache.dropDatabase("Db");
        const ToolReport report = run(existing("Db", FillMode::Append));
        EXPECT_EQ(report.message, "M_ERR_NO_ADDED_TO_DB\"Db\"");
        EXPECT_EQ(readFile(dir.file("Db.db")), before);
    }
};

TEST_F(FillOperationTest, NamesKindsAndTheDiskSizeLimit) {
    media.write("Game.rom", "rom bytes");
    media.write("Game.dsk", std::string(737280, 'd'));
    media.write("Game.cas", "tape");
    media.write("Big.DSK", std::string(737281, 'h'));
    media.write("notes.txt", "not a medium");
    media.write("README", "no extension");
    const ToolReport report = run(newDatabase("  Fresh ", {media.path()}));
    ASSERT_EQ(report.result, OperationResult::Done);
    EXPECT_EQ(report.message, "FreshM_CREATED_DB4");
    EXPECT_TRUE(report.notes.empty());
    const std::vector<Game> got = profiles("Fresh");
    ASSERT_EQ(got.size(), 4u);
    // By name, letter case folded: Big.DSK, Game.cas, Game.dsk, Game.rom.
    EXPECT_EQ(got[0].name, "Big");
    EXPECT_EQ(got[0].hardDiskPrimary, media.file("Big.DSK"));
    EXPECT_EQ(got[0].slot1Special, "sunriseide");
    EXPECT_EQ(got[1].name, "Game");
    EXPECT_EQ(got[1].tapeFile, media.file("Game.cas"));
    EXPECT_EQ(got[2].name, "Game__0");
    EXPECT_EQ(got[2].diskAFile, media.file("Game.dsk"));
    EXPECT_EQ(got[2].hardDiskPrimary, "");
    EXPECT_EQ(got[3].name, "Game__1");
    EXPECT_EQ(got[3].slot1File, media.file("Game.rom"));
    for (const Game& game : got)
        EXPECT_EQ(game.machine, "MSX2 - C-BIOS");
    EXPECT_EQ(store.currentDatabaseName(), "Fresh");
    EXPECT_EQ(store.databaseNames(), std::vector<std::string>{"Fresh"});
}

TEST_F(FillOperationTest, ArchivesAreTakenWhateverLooseKindsAreChosen) {
    media.write("loose.rom", "loose");
    writeZip(media.file("pack.zip"), {{"Inner.ROM", "inner"},
                                      {"readme.txt", "text"},
                                      {"Side.cas", "tape"},
                                      {"Hard.dsk", std::string(737281, 'x')}});
    FillRequest request = newDatabase("Zips", {media.path()});
    request.media = {.rom = false, .disk = false, .tape = false, .zip = true};
    ASSERT_EQ(run(std::move(request)).result, OperationResult::Done);
    const std::vector<Game> got = profiles("Zips");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].name, "Inner");
    EXPECT_EQ(got[0].slot1File, media.file("pack.zip"));
    EXPECT_EQ(got[0].slot1ZipEntry, "Inner.ROM");
    EXPECT_EQ(got[1].name, "Side");
    EXPECT_EQ(got[1].tapeZipEntry, "Side.cas");
    EXPECT_EQ(got[2].name, "Hard");
    EXPECT_EQ(got[2].hardDiskPrimary, media.file("pack.zip"));
    EXPECT_EQ(got[2].diskAZipEntry, "");
    // Hashed on the way: the cache holds what the profiles' own media give.
    EXPECT_EQ(cache.find("Inner", "Zips"), MediumSha1(media.file("pack.zip"), "Inner.ROM"));
    EXPECT_FALSE(cache.contains("Hard", "Zips"));
}

TEST_F(FillOperationTest, AppendingSkipsKnownMediaAndKeepsNamesUnique) {
    media.write("abc.rom", "abc");  // the same bytes as the database's own Known
    const std::string before = line("Known") + line("Game") + line("Game__0", "empty.rom");
    dir.write("Db.db", before);
    ToolReport report = run(existing("Db", FillMode::Append));
    EXPECT_EQ(report.message, "M_ERR_NO_ADDED_TO_DB\"Db\"");
    EXPECT_EQ(readFile(dir.file("Db.db")), before);
    EXPECT_EQ(cache.find("Known", "Db"), kAbcSha1);

    media.write("Game.rom", "other");
    report = run(existing("Db", FillMode::Append));
    EXPECT_EQ(report.message, "1M_ADDED_TO_DB\"Db\"");
    const std::vector<Game> got = profiles("Db");
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[3].name, "Game__1");
    // A backup was made before each run.
    EXPECT_EQ(readFile(dir.file("Db_0.db")), before);
    EXPECT_TRUE(std::filesystem::exists(dir.file("Db_1.db")));
}

TEST_F(FillOperationTest, AnAppendCountsWhatAnotherFillWroteWhileItScanned) {
    // Calls write once, as the scan takes its first medium: another program's fill that
    // finishes in the meantime.
    class WrittenMeanwhile : public RecordingProgress {
    public:
        explicit WrittenMeanwhile(std::function<void()> write) : write_(std::move(write)) {}
        void setDetail(const std::string& name) override {
            RecordingProgress::setDetail(name);
            if (write_)
                std::exchange(write_, nullptr)();
        }

    private:
        std::function<void()> write_;
    };
    dir.write("Db.db", line("Known"));
    media.write("Game.rom", "mine");
    media.write("Shared.rom", "shared");
    TempDir other;
    other.write("Game.rom", "theirs");
    other.write("Shared.rom", "shared");
    // Both fills take this archive: its hard disk's profile names no member.
    TempDir both;
    writeZip(both.file("pack.zip"),
             {{"First.rom", "first"}, {"Hard.dsk", std::string(737281, 'h')}});
    FillRequest theirs = existing("Db", FillMode::Append);
    theirs.paths = {other.path(), both.path()};
    WrittenMeanwhile progress([&] { EXPECT_EQ(run(theirs).message, "4M_ADDED_TO_DB\"Db\""); });

    FillRequest mine = existing("Db", FillMode::Append);
    mine.paths = {media.path(), both.path()};
    const ToolReport report = run(std::move(mine), progress);
    // The other media are theirs already; Game.rom is another medium, and its name is theirs.
    EXPECT_EQ(report.message, "1M_ADDED_TO_DB\"Db\"");
    const std::vector<Game> got = profiles("Db");
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[1].name, "Game");
    EXPECT_EQ(got[1].slot1File, other.file("Game.rom"));
    EXPECT_EQ(got[2].name, "Shared");
    EXPECT_EQ(got[4].name, "Hard");
    EXPECT_EQ(got[5].name, "Game__0");
    EXPECT_EQ(got[5].slot1File, media.file("Game.rom"));
    EXPECT_EQ(cache.find("Game__0", "Db"), MediumSha1(media.file("Game.rom"), ""));
    EXPECT_EQ(cache.find("Shared", "Db"), MediumSha1(other.file("Shared.rom"), ""));

    // Nobody wrote this time: the second look changes nothing.
    media.write("Late.rom", "late");
    EXPECT_EQ(run(existing("Db", FillMode::Append)).message, "1M_ADDED_TO_DB\"Db\"");
    EXPECT_EQ(profiles("Db").back().name, "Late");
}

TEST_F(FillOperationTest, OverwritingDropsFavoritesAndCachedSha1s) {
    dir.write("Db.db", line("Old") + line("Kept"));
    dir.write("Other.db", line("Old"));
    favorites.add("Old", "Db");
    favorites.add("Old", "Other");
    cache.store("Old", "Db", kAbcSha1);
    cache.store("Old", "Other", kAbcSha1);
    media.write("New.rom", "new");
    FillRequest request = existing("Db", FillMode::Overwrite);
    request.backup = false;
    const ToolReport report = run(std::move(request));
    EXPECT_EQ(report.message, "DbM_CREATED_DB1");
    ASSERT_EQ(profiles("Db").size(), 1u);
    EXPECT_EQ(profiles("Db")[0].name, "New");
    EXPECT_EQ(favoriteList(), List{"Old|Other"});
    EXPECT_FALSE(cache.contains("Old", "Db"));
    EXPECT_TRUE(cache.contains("Old", "Other"));
    EXPECT_TRUE(cache.contains("New", "Db"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Db_0.db")));
}

TEST_F(FillOperationTest, AnOverwrittenDatabaseIsBackedUpByItsOwnName) {
    // "Demo.db" (the file Demo.db.db) was a name new databases could take; Demo.db beside it is
    // the database Demo.
    dir.write("Demo.db", line("Other"));
    const std::string eight = line("1") + line("2") + line("3") + line("4") + line("5") +
                              line("6") + line("7") + line("8");
    dir.write("Demo.db.db", eight);
    media.write("New.rom", "new");
    FillRequest request = existing("Demo.db", FillMode::Overwrite);
    request.backup = true;
    EXPECT_EQ(run(std::move(request)).result, OperationResult::Done);
    EXPECT_EQ(readFile(dir.file("Demo.db_0.db")), eight);
    EXPECT_FALSE(exists("Demo_0.db"));
    EXPECT_EQ(readFile(dir.file("Demo.db")), line("Other"));
    ASSERT_EQ(profiles("Demo.db").size(), 1u);
    EXPECT_EQ(profiles("Demo.db")[0].name, "New");
}

TEST_F(FillOperationTest, NamesComeFromTheEmulatorsSoftwareDatabase) {
    media.write("a.rom", "abc");
    media.write("b.rom", "unknown");
    emulator.addDatabase("db.xml", std::string("<db><software><title>Known Title  </title>"
                                               "<dump><rom><hash algo=\"sha1\">") +
                                       kAbcSha1 + "</hash></rom></dump></software></db>");
    FillRequest request = newDatabase("Named", {media.path()});
    request.naming = FillNaming::Emulator;
    run(std::move(request));
    const std::vector<Game> got = profiles("Named");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].name, "Known Title");
    EXPECT_EQ(got[1].name, "b");
}

TEST_F(FillOperationTest, ExtraDataAndTosecNamesFillInNewProfiles) {
    media.write("abc.rom", "abc");
    media.write("Quest (1987)(Maker)(JP).rom", "unknown to everyone");
    dir.write("extra-data.dat", std::string("#1234\r\n2,17,3|5,\r\n") + kAbcSha1 + "\r\n");
    FillRequest request = newDatabase("Rich", {media.path()});
    run(request);
    std::vector<Game> got = profiles("Rich");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].generationMsxId, "1234");
    EXPECT_EQ(got[0].generationValue(), 2);
    EXPECT_EQ(got[0].genreValue(), 3 + 128 * 5);
    EXPECT_EQ(got[1].year, "1987");
    EXPECT_EQ(got[1].company, "Maker");
    EXPECT_EQ(got[1].country, "JP");
    EXPECT_EQ(got[1].basicDataSpecified, "T");

    request.databaseName = "Plain";
    request.extraData = false;
    run(request);
    got = profiles("Plain");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].generationMsxId, "");
    EXPECT_EQ(got[1].year, "");
}

TEST_F(FillOperationTest, StoppingLeavesEveryDatabaseAsItWas) {
    for (int i = 0; i < 50; ++i)
        media.write("g" + std::to_string(i) + ".rom", std::to_string(i));
    const std::string before = line("Known");
    dir.write("Db.db", before);
    for (FillMode mode : {FillMode::Append, FillMode::Overwrite}) {
        RecordingProgress progress(10);
        const ToolReport report = run(existing("Db", mode), progress);
        EXPECT_EQ(report.result, OperationResult::NothingDone);
        EXPECT_EQ(report.message, "");
        EXPECT_EQ(progress.files.size(), 10u);
        // The bar counts media: the stop came after the tenth of fifty.
        EXPECT_EQ(progress.range, 50);
        EXPECT_EQ(progress.position, 10);
        EXPECT_EQ(readFile(dir.file("Db.db")), before);
    }
    RecordingProgress progress(3);
    EXPECT_EQ(run(newDatabase("Never", {media.path()}), progress).result,
              OperationResult::NothingDone);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Never.db")));
    EXPECT_EQ(store.currentDatabaseName(), "");
}

TEST_F(FillOperationTest, UnreadableAndUnstorableFilesArePassedOverAndCounted) {
    media.write("sub/ok.rom", "ok");
    media.write("sub/pipe|name.rom", "a field separator in the path");
    media.write("locked/x.rom", "x");
    std::filesystem::create_directory_symlink(media.path(), media.file("sub/loop"));
    std::filesystem::create_symlink(media.file("gone.rom"), media.file("dangling.rom"));
    ::chmod(media.file("locked").c_str(), 0);
    const ToolReport report = run(newDatabase("Some", {media.path(), media.file("missing")}));
    ::chmod(media.file("locked").c_str(), 0755);
    const std::vector<Game> got = profiles("Some");
    ASSERT_EQ(got.size(), runningAsRoot() ? 2u : 1u);
    EXPECT_EQ(got.back().name, "ok");
    // The dangling link, the missing path, the "|" and, unless root, the locked folder.
    EXPECT_EQ(report.notes, std::vector<std::string>{"M_FILL_NOT_READ" +
                                                     std::to_string(runningAsRoot() ? 3 : 4)});
}

TEST_F(FillOperationTest, RefusalsInTheirOrder) {
    dir.write("Db.db", "");
    FillRequest request;
    request.databaseName = "Db";
    request.media = {false, false, false, false};
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DIR_SEL");
    request.paths = {media.path()};
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_MEDIUM_SEL");
    request.media.tape = true;
    request.databaseName = "";
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DB_SEL");
    request.databaseName = "Missing";
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_DB_SEL");
    request.dropped = true;
    request.paths.clear();
    EXPECT_EQ(operation.refusal(request), "M_ERR_NO_FILE_DIR_SEL");

    // A new database may start empty; its name must be free and storable.
    FillRequest fresh;
    fresh.target = FillTarget::New;
    fresh.media = {false, false, false, false};
    fresh.databaseName = "   ";
    EXPECT_EQ(operation.refusal(fresh), "M_ERR_NO_NEW_DB_ENTERED");
    fresh.databaseName = " Db ";
    EXPECT_EQ(operation.refusal(fresh), "M_ERR_DB_NAME_EXIST");
    // Names that read as a file name or leave no room for the backups' file names.
    for (const std::string& bad : {std::string("a/b"), std::string("Coll.db"),
                                   std::string(" Coll.DB "), std::string(239, 'n')}) {
        fresh.databaseName = bad;
        EXPECT_EQ(operation.refusal(fresh), "M_INVALID_NAME") << bad;
    }
    fresh.databaseName = "Empty";
    EXPECT_EQ(operation.refusal(fresh), std::nullopt);
    fresh.machine = "MSX|2";
    EXPECT_EQ(operation.refusal(fresh), "M_INVALID_NAME");
    fresh.machine = "MSX2";
    RecordingProgress progress;
    FillJob job = operation.prepare(fresh, emulator.path());
    job.run(progress);
    EXPECT_EQ(operation.finish(job).message, "EmptyM_CREATED_DB0");
    EXPECT_EQ(readFile(dir.file("Empty.db")), "");
}

TEST_F(FillOperationTest, AFullDiskIsReportedAndChangesNothing) {
    for (int i = 0; i < 40; ++i)
        media.write("New" + std::to_string(i) + ".rom", std::to_string(i));
    const std::string before = line("Known");
    dir.write("Db.db", before);
    for (FillMode mode : {FillMode::Append, FillMode::Overwrite}) {
        // The new lines need more room than the disk has left.
        const off_t room = static_cast<off_t>(before.size() + 600);
        EXPECT_TRUE(passesWithFileSizeLimit(room, [&] {
            FillRequest request = existing("Db", mode);
            request.backup = false;
            const ToolReport report = run(std::move(request));
            return report.result == OperationResult::FileError && report.message.empty() &&
                   store.currentDatabaseName().empty();
        }));
        EXPECT_EQ(readFile(dir.file("Db.db")), before);
    }
}

TEST_F(FillOperationTest, AHardDiskInAnArchiveIsAddedOnce) {
    writeZip(media.file("ide.zip"),
             {{"Boot.rom", "boot"}, {"Drive.dsk", std::string(800000, 'h')}});
    dir.write("Db.db", "");
    EXPECT_EQ(run(existing("Db", FillMode::Append)).message, "2M_ADDED_TO_DB\"Db\"");
    ASSERT_EQ(profiles("Db").size(), 2u);
    EXPECT_EQ(profiles("Db")[1].hardDiskPrimary, media.file("ide.zip"));
    for (int again = 0; again < 2; ++again)
        expectAnAppendAddsNothing();

    // Another archive's hard disk is still new.
    writeZip(media.file("more.zip"), {{"Second.dsk", std::string(800000, 's')}});
    EXPECT_EQ(run(existing("Db", FillMode::Append)).message, "1M_ADDED_TO_DB\"Db\"");
    expectAnAppendAddsNothing();
}

TEST_F(FillOperationTest, ArchiveMembersAreFoundAgainByTheirExactNames) {
    const std::string longName = "Disks/" + std::string(300, 'L') + ".rom";
    const std::map<std::string, std::string> bytes = {
        {"game.rom", "lower"}, {"GAME.rom", "upper"}, {longName, "long"}, {"twice.rom", "first"}};
    writeZip(media.file("set.zip"), {{"game.rom", "lower"},
                                     {"GAME.rom", "upper"},
                                     {longName, "long"},
                                     {"twice.rom", "first"},
                                     {"twice.rom", "second"}});
    dir.write("Db.db", "");
    const ToolReport report = run(existing("Db", FillMode::Append));
    EXPECT_EQ(report.message, "4M_ADDED_TO_DB\"Db\"");
    // The second "twice.rom" could never be told from the first.
    EXPECT_EQ(report.notes, std::vector<std::string>{"M_FILL_NOT_READ1"});
    for (const Game& game : profiles("Db")) {
        ASSERT_TRUE(bytes.contains(game.slot1ZipEntry)) << game.slot1ZipEntry;
        EXPECT_EQ(MediumSha1(game.slot1File, game.slot1ZipEntry),
                  sha1Of(bytes.at(game.slot1ZipEntry)))
            << game.slot1ZipEntry;
    }
    // Letter case is ignored only where no member has the exact name.
    EXPECT_EQ(MediumSha1(media.file("set.zip"), "Game.ROM"), sha1Of("lower"));
    expectAnAppendAddsNothing();
}

TEST_F(FillOperationTest, AMemberNameHoldingANulIsPassedOver) {
    writeZip(media.file("odd.zip"), {{"cut#short.rom", "cut"}, {"fine.rom", "fine"}});
    std::string archive = readFile(media.file("odd.zip"));
    for (size_t at = archive.find("cut#short"); at != std::string::npos;
         at = archive.find("cut#short", at))
        archive[at + 3] = '\0';
    media.write("odd.zip", archive);
    const ToolReport report = run(newDatabase("Odd", {media.path()}));
    EXPECT_EQ(report.message, "OddM_CREATED_DB1");
    EXPECT_EQ(report.notes, std::vector<std::string>{"M_FILL_NOT_READ1"});
    EXPECT_EQ(readFile(dir.file("Odd.db")).find('\0'), std::string::npos);
}

TEST_F(FillOperationTest, AFolderPathTooLongToUseIsCountedAsPassedOver) {
    media.write("ok.rom", "ok");
    // Folders down to just under the system's limit on paths, and one more that passes it.
    const std::string part(200, 'f');
    std::string deepest = media.path();
    while (deepest.size() + 1 + part.size() < PATH_MAX) {
        deepest += "/" + part;
        ASSERT_EQ(::mkdir(deepest.c_str(), 0755), 0);
    }
    const int parent = ::open(deepest.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(parent, 0);
    ASSERT_EQ(::mkdirat(parent, part.c_str(), 0755), 0);
    struct Cleanup {
        int fd;
        const std::string& name;
        ~Cleanup() {
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
            ::close(fd);
        }
    } cleanup{parent, part};

    const ToolReport report = run(newDatabase("Deep", {media.path()}));
    EXPECT_EQ(report.message, "DeepM_CREATED_DB1");
    EXPECT_EQ(report.notes, std::vector<std::string>{"M_FILL_NOT_READ1"});
    // Not searched, the folder is not missed.
    FillRequest flat = newDatabase("Flat", {deepest});
    flat.searchSubdirectories = false;
    EXPECT_TRUE(run(flat).notes.empty());
}

}  // namespace

TEST_F(FillOperationTest, MediaArchivesAndFoldersWithoutReadPermissionArePassedOverAndCounted) {
    media.write("ok.rom", "ok");
    media.write("locked.rom", "x");
    writeZip(media.file("locked.zip"), {{"in.rom", "in"}});
    media.write("closed/y.rom", "y");
    const std::vector<std::string> locked = {media.file("locked.rom"), media.file("locked.zip"),
                                             media.file("closed")};
    for (const std::string& path : locked)
        ::chmod(path.c_str(), 0);
    EXPECT_TRUE(passesObeyingPermissions([&] {
        const ToolReport report = run(newDatabase("Some", {media.path()}));
        const std::vector<Game> got = profiles("Some");
        return report.message == "SomeM_CREATED_DB1" && got.size() == 1 && got[0].name == "ok" &&
               report.notes == std::vector<std::string>{"M_FILL_NOT_READ3"};
    }));
    for (const std::string& path : locked)
        ::chmod(path.c_str(), 0755);
}

TEST_F(FillOperationTest, DamagedArchivesArePassedOverAndCounted) {
    media.write("ok.rom", "ok");
    writeZip(media.file("whole.zip"), {{"a.rom", patternBytes(5000), true}, {"b.rom", "b"}});
    const std::string whole = readFile(media.file("whole.zip"));
    media.write("half.zip", whole.substr(0, whole.size() / 2));
    media.write("noise.zip", patternBytes(3000));
    media.write("empty.zip", "");
    std::filesystem::remove(media.file("whole.zip"));
    const ToolReport report = run(newDatabase("Some", {media.path()}));
    EXPECT_EQ(report.message, "SomeM_CREATED_DB1");
    EXPECT_EQ(report.notes, std::vector<std::string>{"M_FILL_NOT_READ3"});
    ASSERT_EQ(profiles("Some").size(), 1u);
    EXPECT_EQ(profiles("Some")[0].name, "ok");
}
