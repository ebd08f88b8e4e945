// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <string>

#include "media/ProfileSha1.h"

namespace corvane {

class Game;

// The SHA-1 of each profile's main medium, per (profile name, database name), kept for the whole
// run and filled on demand (through ProfileSha1). Only successful results are kept, so a medium
// that appears later is still found. It has no lock: the owner's thread alone changes the
// application's cache, and a job on a worker thread fills its own copy.
class Sha1Cache {
public:
    // The cached SHA-1, computing and storing it when absent; empty when there is none.
    std::string get(const Game& game, const std::string& database);

    bool contains(const std::string& profileName, const std::string& database) const;
    // The stored value or empty, without computing anything.
    std::string find(const std::string& profileName, const std::string& database) const;
    // Empty values are not stored.
    void store(const std::string& profileName, const std::string& database,
               const std::string& sha1);
    void erase(const std::string& profileName, const std::string& database);
    // Forgets every profile of the database (deleted or overwritten).
    void dropDatabase(const std::string& database);
    // The database's profiles keep their values under its new name.
    void renameDatabase(const std::string& oldName, const std::string& newName);

    // A profile left its database: its value goes with it.
    void profileRemoved(const std::string& profileName, const std::string& database);
    // A profile was written anew; its value is computed again from what it holds now.
    void profileWritten(const Game& game, const std::string& database);

private:
    // Database first, so the operations on a whole database touch one node. Keeping the two
    // names apart also means a name containing "|" can never be taken for another pair.
    using Profiles = std::map<std::string, std::string, std::less<>>;
    std::map<std::string, Profiles, std::less<>> databases_;
};

}  // namespace corvane
