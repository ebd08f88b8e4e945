// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "common/Progress.h"
#include "model/Game.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"
#include "tools/FileRenamePlan.h"

using namespace corvane;
using namespace corvane::test;

namespace {

// Asks to stop once the walk has reported reaching a position.
class StopAtPosition : public Progress {
public:
    explicit StopAtPosition(std::int64_t stopAt) : stopAt_(stopAt) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t done) override { position_ = done; }
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return stopAsked || (stopAt_ >= 0 && position_ >= stopAt_); }
    bool stopAsked = false;

private:
    std::int64_t stopAt_;
    std::int64_t position_ = 0;
};

Game withFiles(std::string name,
               std::initializer_list<std::pair<std::string Game::*, std::string>> files) {
    Game game;
    game.name = std::move(name);
    for (const auto& [field, path] : files)
        game.*field = path;
    return game;
}

FileRenameRequest byRule(RenameRule rule, RenameMedia media = {}) {
    return {.databaseName = "db", .rule = rule, .media = media};
}

RenamePlan plan(const std::vector<Game>& profiles, const FileRenameRequest& request,
                const TitleOfFile& titleOf = {}) {
    NoProgress progress;
    return planRenames(profiles, request, titleOf, progress);
}

std::vector<std::pair<std::string, std::string>> moves(const TempDir& dir, const RenamePlan& plan) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const PlannedRename& rename : plan.renames)
        out.emplace_back(rename.from.substr(dir.path().size() + 1),
                         rename.to.substr(dir.path().size() + 1));
    return out;
}

using Moves = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST(FileRenamePlan, ArchivesAreCountedOnceAndOtherFilesFollowTheirKind) {
    TempDir dir;
    writeZip(dir.file("a.zip"), {{"a.rom", "a"}});
    writeZip(dir.file("b.zip"), {{"b.dsk", "b"}});
    writeZip(dir.file("hd.zip"), {{"hd.dsk", "h"}});
    for (const char* name : {"notes.txt", "k.rom", "d.dsk", "t.cas", "image.hdd"})
        dir.write(name, name);
    const std::vector<Game> profiles = {
        // Two archives: two files not renamed, the profile listed once.
        withFiles("Zips",
                  {{&Game::slot1File, dir.file("a.zip")}, {&Game::diskAFile, dir.file("b.zip")}}),
        // A hard disk in an archive is passed over; one of any other extension is renamed.
        withFiles("Hard", {{&Game::hardDiskPrimary, dir.file("hd.zip")},
                           {&Game::hardDiskSecondary, dir.file("image.hdd")}}),
        // Not a cartridge extension: left alone and not counted.
        withFiles("Text", {{&Game::slot1File, dir.file("notes.txt")}}),
        withFiles("Mixed", {{&Game::slot1File, dir.file("k.rom")},
                            {&Game::diskAFile, dir.file("d.dsk")},
                            {&Game::tapeFile, dir.file("t.cas")}}),
    };
    const RenamePlan all = plan(profiles, byRule(RenameRule::ProfileName));
    EXPECT_EQ(all.notRenamed, 2u);
    EXPECT_EQ(all.listed, std::vector<size_t>{0});
    EXPECT_EQ(moves(dir, all), (Moves{{"image.hdd", "Hard.hdd"},
                                      {"k.rom", "Mixed.rom"},
                                      {"d.dsk", "Mixed.dsk"},
                                      {"t.cas", "Mixed.cas"}}));
    EXPECT_EQ(all.renames[1].profile, 3u);

    // Only Tape: cartridges, disks, archives and hard disks are not even looked at.
    const RenamePlan tapes =
        plan(profiles, byRule(RenameRule::ProfileName,
                              {.rom = false, .disk = false, .tape = true, .hardDisk = false}));
    EXPECT_EQ(tapes.notRenamed, 0u);
    EXPECT_TRUE(tapes.listed.empty());
    EXPECT_EQ(moves(dir, tapes), (Moves{{"t.cas", "Mixed.cas"}}));
}

TEST(FileRenamePlan, TakenAndWantedNamesAreNeverPlannedTwice) {
    TempDir dir;
    for (const char* name : {"a.rom", "b.rom", "c.rom", "shared.rom", "Taken.rom", "z.rom"})
        dir.write(name, name);
    const std::vector<Game> profiles = {
        withFiles("Taken", {{&Game::slot1File, dir.file("a.rom")}}),
        // Two profiles that want one name: the second finds it taken.
        withFiles("Same", {{&Game::slot1File, dir.file("b.rom")}}),
        withFiles("Same", {{&Game::slot1File, dir.file("c.rom")}}),
        // One file in two profiles is renamed once, after the first of them.
        withFiles("First", {{&Game::slot1File, dir.file("shared.rom")}}),
        withFiles("Second", {{&Game::slot2File, dir.file("shared.rom")}}),
        withFiles("Gone", {{&Game::slot1File, dir.file("missing.rom")}}),
        // A name that would break the database line.
        withFiles("A|B", {{&Game::slot1File, dir.file("z.rom")}}),
    };
    const RenamePlan planned = plan(profiles, byRule(RenameRule::ProfileName));
    EXPECT_EQ(moves(dir, planned), (Moves{{"b.rom", "Same.rom"}, {"shared.rom", "First.rom"}}));
    EXPECT_EQ(planned.notRenamed, 4u);
    EXPECT_EQ(planned.listed, (std::vector<size_t>{0, 2, 5, 6}));
}

TEST(FileRenamePlan, ShortNamesTakeTheNextFreeTailAndLeaveShortNamesAlone) {
    TempDir dir;
    for (const char* name :
         {"Knightmare.rom", "KNIGHT~1.ROM", "Knightmare II.rom", "game.rom", "Road Fighter.ROM"})
        dir.write(name, name);
    const std::vector<Game> profiles = {
        withFiles("One", {{&Game::slot1File, dir.file("Knightmare.rom")}}),
        withFiles("Two", {{&Game::slot1File, dir.file("Knightmare II.rom")}}),
        withFiles("Short", {{&Game::slot1File, dir.file("game.rom")}}),
        withFiles("Road", {{&Game::slot1File, dir.file("Road Fighter.ROM")}}),
    };
    const RenamePlan planned = plan(profiles, byRule(RenameRule::ShortFormat));
    // ~1 is another file's; the second long name takes the tail after the first one's.
    EXPECT_EQ(moves(dir, planned), (Moves{{"Knightmare.rom", "knight~2.rom"},
                                          {"Knightmare II.rom", "knight~3.rom"},
                                          {"Road Fighter.ROM", "roadfi~1.rom"}}));
    EXPECT_EQ(planned.notRenamed, 1u);
    EXPECT_EQ(planned.listed, std::vector<size_t>{2});
}

TEST(FileRenamePlan, CancelKeepsWholeProfilesOnly) {
    TempDir dir;
    std::vector<Game> profiles;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "p" + std::to_string(i);
        dir.write(name + ".rom", name);
        profiles.push_back(
            withFiles("P" + std::to_string(i), {{&Game::slot1File, dir.file(name + ".rom")}}));
    }
    StopAtPosition atFive(5);
    const TitleOfFile title = [](const std::string& path) {
        return std::optional<std::string>("T" + path.substr(path.rfind('p') + 1, 1));
    };
    RenamePlan stopped = planRenames(profiles, byRule(RenameRule::SoftwareTitle), title, atFive);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.profilesTreated, 5u);
    ASSERT_EQ(stopped.renames.size(), 5u);
    EXPECT_EQ(stopped.renames.back().profile, 4u);

    // A stop asked while a file is hashed: that profile is not counted as not renamed.
    StopAtPosition never(-1);
    const TitleOfFile stopsAtThird = [&never, count = 0](const std::string&) mutable {
        if (++count == 3) {
            never.stopAsked = true;
            return std::optional<std::string>();
        }
        return std::optional<std::string>("Title " + std::to_string(count));
    };
    stopped = planRenames(profiles, byRule(RenameRule::SoftwareTitle), stopsAtThird, never);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.profilesTreated, 2u);
    EXPECT_EQ(stopped.notRenamed, 0u);
    EXPECT_EQ(stopped.renames.size(), 2u);
}
