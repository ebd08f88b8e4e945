// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "tools/FillNames.h"
#include "tools/FillRequest.h"

namespace corvane {

class EmulatorDatabaseSet;
class FillProgress;
class Game;
struct HashedMedium;
class ProfileDetails;
class Sha1Cache;

// What a scan found, ready to be written.
struct FillScan {
    std::vector<std::string> lines;  // the new profiles' database lines, in the order found
    // SHA-1s worked out on the way, by profile name, for the cache: of the database's own
    // profiles, and of the new ones.
    std::vector<std::pair<std::string, std::string>> existingSha1s;
    std::vector<std::pair<std::string, std::string>> sha1s;
    int added = 0;
    int notRead = 0;  // folders and media that could not be read or stored
    bool stopped = false;
};

// Makes a profile of every medium found under a fill's paths that the database does not hold
// yet. Files are hashed on every processor at once; the profiles come out in the order a single
// thread would give, so names and lines never depend on timing. Touches no file but the media.
class DatabaseFill {
public:
    DatabaseFill(FillRequest request, FillProgress& progress);

    // An appended database's profiles: their names are taken, and media with their SHA-1s are
    // not added again, nor hard disks in archives that are their hard disks. SHA-1s the cache
    // holds for them are not computed anew.
    // False when stopped.
    bool addExisting(const std::vector<Game>& profiles, const Sha1Cache& known,
                     const std::string& database);

    // titles names profiles from the emulator's software databases (may be null); details fill
    // in extra data (may be null).
    FillScan scan(const EmulatorDatabaseSet* titles, const ProfileDetails* details);

private:
    void take(const HashedMedium& found, const EmulatorDatabaseSet* titles,
              const ProfileDetails* details, FillScan& scan);

    FillRequest request_;
    FillProgress& progress_;
    FillNames names_;
    std::unordered_set<std::string> existingSha1s_;
    std::unordered_set<std::string> hardDiskPaths_;  // of the database's own profiles
    std::vector<std::pair<std::string, std::string>> existingComputed_;
};

}  // namespace corvane
