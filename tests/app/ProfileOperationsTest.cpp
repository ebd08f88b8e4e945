// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileOperations.h"

#include "app/OperationsFixture.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class ProfileOperationsTest : public OperationsFixture {
protected:
    ProfileOperations operations{store, favorites, cache, prompter, texts};
};

}  // namespace

TEST_F(ProfileOperationsTest, RemovedProfilesTakeTheirFavoritesAndSha1sAlong) {
    dir.write("Games.db", line("A") + line("B") + line("C"));
    dir.write("favorites.bml", "A|Games\r\nB|Games\r\nA|Other\r\nC|Games\r\n");
    for (const char* db : {"Games", "Other"})
        cache.store("A", db, kAbcSha1);
    cache.store("C", "Games", kAbcSha1);

    EXPECT_EQ(operations.removeProfiles("Games", {profile("A"), profile("B")}),
              OperationResult::Done);
    EXPECT_EQ(names("Games"), List{"C"});
    EXPECT_EQ(readFile(favorites.path()), "A|Other\r\nC|Games\r\n");
    EXPECT_FALSE(cache.contains("A", "Games"));
    EXPECT_TRUE(cache.contains("A", "Other"));
    EXPECT_TRUE(cache.contains("C", "Games"));

    // A database that cannot be rewritten keeps its profiles, and so do favorites and cache.
    block("Games.db.tmp");
    EXPECT_EQ(operations.removeProfiles("Games", {profile("C")}), OperationResult::FileError);
    EXPECT_EQ(names("Games"), List{"C"});
    EXPECT_EQ(favoriteList(), (List{"A|Other", "C|Games"}));
    EXPECT_TRUE(cache.contains("C", "Games"));
    unblock("Games.db.tmp");

    // The profile goes; the favorites follow in memory, and the result says their file did not.
    block("favorites.bml.tmp");
    EXPECT_EQ(operations.removeProfiles("Games", {profile("C")}),
              OperationResult::FavoritesNotWritten);
    EXPECT_TRUE(names("Games").empty());
    EXPECT_EQ(favoriteList(), List{"A|Other"});
    EXPECT_EQ(readFile(favorites.path()), "A|Other\r\nC|Games\r\n");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileOperationsTest, MovedProfilesTakeTheirFavoritesAndSha1sToTheTarget) {
    dir.write("Src.db", line("A") + line("B") + line("C"));
    dir.write("Dst.db", line("B", "empty.rom"));
    dir.write("favorites.bml", "A|Src\r\nC|Src\r\nA|Other\r\n");
    store.setCurrentDatabase("Src");
    cache.store("A", "Src", kAbcSha1);
    cache.store("B", "Dst", kEmptySha1);

    prompter.multiAnswers = {MultiAnswer::Yes};
    EXPECT_EQ(operations.moveProfiles(DatabaseStore::readProfiles(dir.file("Src.db")), "Dst"),
              OperationResult::Done);
    EXPECT_TRUE(names("Src").empty());
    EXPECT_EQ(names("Dst"), (List{"A", "B", "C"}));
    EXPECT_EQ(favoriteList(), (List{"A|Dst", "C|Dst", "A|Other"}));
    EXPECT_FALSE(cache.contains("A", "Src"));
    EXPECT_EQ(cache.find("A", "Dst"), kAbcSha1);
    // B replaced a profile with another medium: its old SHA-1 must not survive.
    EXPECT_EQ(cache.find("B", "Dst"), kAbcSha1);

    // The source cannot lose the profile: it stays there and its favorite with it, but the
    // target's line was replaced all the same.
    dir.write("Src.db", line("D"));
    dir.write("Dst.db", line("D", "empty.rom"));
    favorites.add("D", "Src");
    cache.store("D", "Dst", kEmptySha1);
    block("Src.db.tmp");
    prompter.multiAnswers = {MultiAnswer::Yes};
    EXPECT_EQ(operations.moveProfiles({profile("D")}, "Dst"), OperationResult::FileError);
    EXPECT_EQ(names("Src"), List{"D"});
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Dst.db")).at(0).slot1File, dir.file("abc.rom"));
    EXPECT_EQ(cache.find("D", "Dst"), kAbcSha1);
    EXPECT_EQ(favoriteList().back(), "D|Src");

    block("Blocked.db");
    EXPECT_EQ(operations.moveProfiles({profile("D")}, "Blocked"), OperationResult::TargetFileError);
    EXPECT_EQ(names("Src"), List{"D"});

    // Answered No: nothing moved, nothing to tell.
    unblock("Src.db.tmp");
    prompter.multiAnswers = {MultiAnswer::No};
    EXPECT_EQ(operations.moveProfiles({profile("D")}, "Dst"), OperationResult::NothingDone);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileOperationsTest, AMoveFollowsTheBatchAnswers) {
    dir.write("Src.db", line("A") + line("B") + line("C") + line("D"));
    dir.write("Dst.db", line("B", "empty.rom") + line("C", "empty.rom") + line("D", "empty.rom"));
    store.setCurrentDatabase("Src");

    // No to all: the later duplicates are skipped unasked and stay in the source.
    prompter.multiAnswers = {MultiAnswer::NoToAll};
    EXPECT_EQ(operations.moveProfiles(DatabaseStore::readProfiles(dir.file("Src.db")), "Dst"),
              OperationResult::Done);
    EXPECT_EQ(prompter.multiQuestions, List{"\"B\"M_ERR_NAME_IN_DB_EXIST"});
    EXPECT_EQ(names("Src"), (List{"B", "C", "D"}));

    // Yes to all replaces the later ones unasked.
    prompter.multiAnswers = {MultiAnswer::No, MultiAnswer::YesToAll};
    EXPECT_EQ(operations.moveProfiles(DatabaseStore::readProfiles(dir.file("Src.db")), "Dst"),
              OperationResult::Done);
    EXPECT_EQ(prompter.multiQuestions.size(), 3u);
    EXPECT_EQ(names("Src"), List{"B"});
    EXPECT_EQ(names("Dst"), (List{"B", "A", "C", "D"}));
    EXPECT_EQ(DatabaseStore::readProfiles(dir.file("Dst.db"))[2].slot1File, dir.file("abc.rom"));

    // Cancel ends the move: what comes after is not touched.
    dir.write("Src.db", line("B") + line("E"));
    prompter.multiAnswers = {MultiAnswer::Cancel};
    EXPECT_EQ(operations.moveProfiles(DatabaseStore::readProfiles(dir.file("Src.db")), "Dst"),
              OperationResult::NothingDone);
    EXPECT_EQ(names("Src"), (List{"B", "E"}));
    EXPECT_EQ(names("Dst"), (List{"B", "A", "C", "D"}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileOperationsTest, AnEditedProfileTakesItsFavoriteToItsNewNameOnlyOnceStored) {
    const std::string original = line("A") + line("B");
    dir.write("Games.db", original);
    dir.write("favorites.bml", "A|Games\r\nA|Other\r\n");
    cache.store("A", "Games", kAbcSha1);
    const Game listed = profile("A");

    // Renamed to a name the database holds: nothing changes, the favorite included.
    EXPECT_EQ(operations.saveProfile(profile("B"), "Games", &listed),
              OperationResult::ProfileNameTaken);
    EXPECT_EQ(readFile(dir.file("Games.db")), original);
    block("Games.db.tmp");
    EXPECT_EQ(operations.saveProfile(profile("Z"), "Games", &listed), OperationResult::FileError);
    unblock("Games.db.tmp");
    EXPECT_EQ(favoriteList(), (List{"A|Games", "A|Other"}));
    EXPECT_TRUE(cache.contains("A", "Games"));

    EXPECT_EQ(operations.saveProfile(profile("Z", "empty.rom"), "Games", &listed),
              OperationResult::Done);
    EXPECT_EQ(names("Games"), (List{"B", "Z"}));
    EXPECT_EQ(readFile(favorites.path()), "Z|Games\r\nA|Other\r\n");
    EXPECT_FALSE(cache.contains("A", "Games"));
    EXPECT_EQ(cache.find("Z", "Games"), kEmptySha1);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProfileOperationsTest, ANewProfileReplacesOneOfItsNameOnlyWhenTheUserAgrees) {
    dir.write("Games.db", line("A"));
    cache.store("A", "Games", kAbcSha1);

    prompter.confirmAnswers = {false};
    EXPECT_EQ(operations.saveProfile(profile("A", "empty.rom"), "Games", nullptr),
              OperationResult::NothingDone);
    EXPECT_EQ(prompter.confirmations, List{"\"A\"M_ERR_NAME_IN_DB_EXIST"});
    EXPECT_EQ(readFile(dir.file("Games.db")), line("A"));
    EXPECT_EQ(cache.find("A", "Games"), kAbcSha1);

    prompter.confirmAnswers = {true};
    EXPECT_EQ(operations.saveProfile(profile("A", "empty.rom"), "Games", nullptr),
              OperationResult::Done);
    EXPECT_EQ(cache.get(profile("A", "empty.rom"), "Games"), kEmptySha1);
    EXPECT_EQ(operations.saveProfile(profile("B"), "Games", nullptr), OperationResult::Done);
    EXPECT_EQ(names("Games"), (List{"A", "B"}));
    EXPECT_EQ(prompter.confirmations.size(), 2u);
}
