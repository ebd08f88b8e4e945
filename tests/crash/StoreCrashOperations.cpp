// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashFixture.h"
#include "crash/CrashOperation.h"
#include "crash/CrashSession.h"
#include "model/AppendJournal.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane::crash {

namespace {

constexpr int kProfiles = 5000;

// A database with its favorites, read by the window as the current one.
void mainDatabase(const std::string& base) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    files.writeDatabase("Main", "m", 0, kProfiles);
    files.writeFavorites("Main", 2000);
}

// A database with many backups, so that renaming or deleting them all takes a while.
void databaseWithBackups(const std::string& base) {
    const CrashFixture files(base);
    files.writeSettings("Main");
    files.writeDatabase("Main", "m", 0, 300);
    for (int n = 1; n <= 60; ++n)
        files.writeDatabase("Main_" + std::to_string(n), "m", n, 300);
    files.writeFavorites("Main", 100);
}

std::string removeProfiles(const std::string& base) {
    CrashSession session(base);
    std::vector<Game> listed;
    const std::vector<Game> all =
        DatabaseStore::readProfiles(session.app.store().databasePath("Main"));
    for (size_t i = 0; i < all.size() && i < 4000; i += 4)
        listed.push_back(all[i]);
    return errorShown(session.app.texts(),
                      session.app.profileOperations().removeProfiles("Main", listed));
}

std::string moveProfiles(const std::string& base) {
    CrashSession session(base);
    std::vector<Game> profiles =
        DatabaseStore::readProfiles(session.app.store().databasePath("Main"));
    profiles.resize(200);
    return errorShown(session.app.texts(),
                      session.app.profileOperations().moveProfiles(profiles, "Other"));
}

std::string saveEditedProfile(const std::string& base) {
    CrashSession session(base);
    Game listed;
    for (const Game& g : DatabaseStore::readProfiles(session.app.store().databasePath("Main")))
        if (g.name == profileName(1500))
            listed = g;
    Game game = listed;
    game.name += " (edited)";
    game.company = "Edited Company";
    return errorShown(session.app.texts(),
                      session.app.profileOperations().saveProfile(game, "Main", &listed));
}

// A new profile whose arguments make its line many pages long, so that a kill can land inside
// the write of that one line.
std::string saveNewProfile(const std::string& base) {
    CrashSession session(base);
    Game game;
    game.name = "New profile";
    game.slot1File = CrashFixture(base).path("media/m/new.rom");
    game.openMsxArguments = "-command \"" + std::string(4 << 20, 'n') + "\"";
    return errorShown(session.app.texts(),
                      session.app.profileOperations().saveProfile(game, "Main", nullptr));
}

}  // namespace

std::vector<CrashOperation> storeOperations() {
    std::vector<CrashOperation> ops;
    ops.push_back(
        {"remove profiles", mainDatabase, removeProfiles, "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    CrashOperation move{"move profiles",
                        [](const std::string& base) {
                            mainDatabase(base);
                            CrashFixture(base).writeDatabase("Other", "m", kProfiles, 2000);
                        },
                        moveProfiles, "M_ERR_FILE_IO", "M_ERR_FILE_IO_TARGET"};
    move.savesEachProfile = true;
    ops.push_back(move);
    ops.push_back(
        {"save edited profile", mainDatabase, saveEditedProfile, "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    CrashOperation saveNew{"save new profile", mainDatabase, saveNewProfile, "M_ERR_FILE_IO",
                           "M_ERR_FILE_IO"};
    saveNew.killFrom = "Main.db" + std::string(AppendJournal::kSuffix);
    ops.push_back(saveNew);
    ops.push_back({"restore database",
                   [](const std::string& base) {
                       mainDatabase(base);
                       CrashFixture(base).writeDatabase("Main_1", "m", 0, 4000);
                       CrashFixture(base).writeDatabase("Main_2", "m", 10, 4500);
                   },
                   [](const std::string& base) {
                       CrashSession session(base);
                       return errorShown(session.app.texts(),
                                         session.app.databaseOperations().restoreDatabase("Main"));
                   },
                   "", "M_ERROR_DELETE_DB"});
    ops.push_back({"rename database", databaseWithBackups,
                   [](const std::string& base) {
                       CrashSession session(base);
                       return errorShown(
                           session.app.texts(),
                           session.app.databaseOperations().renameDatabase("Main", "Renamed"));
                   },
                   "", "M_ERROR_RENAME_DB"});
    ops.push_back({"delete database", databaseWithBackups,
                   [](const std::string& base) {
                       CrashSession session(base);
                       return errorShown(
                           session.app.texts(),
                           session.app.databaseOperations().deleteDatabase("Main", true));
                   },
                   "", "M_ERROR_DELETE_DB"});
    ops.push_back({"favorites",
                   [](const std::string& base) {
                       CrashFixture(base).writeSettings("Main");
                       CrashFixture(base).writeFavorites("Main", 15000);
                   },
                   [](const std::string& base) {
                       CrashSession session(base);
                       return errorShown(
                           session.app.texts(),
                           favoritesResult(session.app.favorites().add("New favorite", "Main")));
                   },
                   "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    ops.push_back({"saved filters",
                   [](const std::string& base) {
                       CrashFixture(base).writeSettings("Main");
                       CrashFixture(base).writeSavedFilters(8000);
                   },
                   [](const std::string& base) {
                       CrashSession session(base);
                       return errorShown(session.app.texts(),
                                         savedFilterMessageKey(session.app.savedFilters().add(
                                             "New filter", FilterState{})));
                   },
                   "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    ops.push_back({"settings",
                   [](const std::string& base) {
                       // Arguments long enough that the write takes a measurable while.
                       CrashFixture(base).writeSettings("Main", 400000);
                   },
                   [](const std::string& base) {
                       CrashSession session(base);
                       Settings changed = session.app.settings();
                       changed.fullScreen = !changed.fullScreen;
                       changed.openMsxArguments.assign(changed.openMsxArguments.size(), 'y');
                       // As the settings window tells a failed save.
                       return session.app.applySettings(changed)
                                  ? std::string()
                                  : errorShown(session.app.texts(), "M_ERR_FILE_IO");
                   },
                   "M_ERR_FILE_IO", "M_ERR_FILE_IO"});
    return ops;
}

}  // namespace corvane::crash
