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
class Game;
struct HashedMedium;
class ProfileDetails;
class Progress;
class Sha1Cache;

// What a scan found, ready to be written.
struct FillScan {
    // What a new profile's line was made from, to check it again before the write.
    struct NewProfile {
        std::string wanted;           // the name asked for; the line may hold it numbered
        std::string sha1;             // of its medium
        bool cached = false;          // the cache keeps the SHA-1 under the profile's name
        std::string hardDiskArchive;  // the archive, when the medium is a hard disk in one
    };
    std::vector<std::string> lines;       // the new profiles' database lines, in the order found
    std::vector<NewProfile> newProfiles;  // one for each line
    // SHA-1s worked out on the way, by profile name, for the cache, of the database's own
    // profiles; those of the new ones are in newProfiles.
    std::vector<std::pair<std::string, std::string>> existingSha1s;
    int added = 0;
    int notRead = 0;  // folders and media that could not be read or stored
    bool stopped = false;
};

// Makes a profile of every medium found under a fill's paths that the database does not hold
// yet. Folders are reported as the status and files as the detail. Files are hashed on every
// processor at once, each stopping part-way when the user cancels; the profiles come out in the
// order a single thread would give, so names and lines never depend on timing. Touches no file but
// the media.
class DatabaseFill {
public:
    DatabaseFill(FillRequest request, Progress& progress);

    // An appended database's profiles: their names are taken, and media with their SHA-1s are
    // not added again, nor hard disks in archives that are their hard disks. SHA-1s the cache
    // holds for them are not computed anew.
    // False when stopped.
    bool addExisting(const std::vector<Game>& profiles, const Sha1Cache& known,
                     const std::string& database);

    // titles names profiles from the emulator's software databases (may be null); details fill
    // in extra data (may be null).
    FillScan scan(const EmulatorDatabaseSet* titles, const ProfileDetails* details);

    // Just before an append, with the database's profiles as they are now: another writer may
    // have added some since addExisting. New profiles of media those hold (or of hard disks in
    // archives that are their hard disks) are dropped, and the rest are named again, unique
    // among the profiles held now. A database left alone gets the
    // scan's lines unchanged.
    void settle(FillScan& scan, const std::vector<Game>& held);

private:
    void take(const HashedMedium& found, const EmulatorDatabaseSet* titles,
              const ProfileDetails* details, FillScan& scan);

    FillRequest request_;
    Progress& progress_;
    FillNames names_;
    std::unordered_set<std::string> existingSha1s_;
    std::unordered_set<std::string> hardDiskPaths_;  // of the database's own profiles
    // The main media of the profiles addExisting saw, as file "|" member.
    std::unordered_set<std::string> existingMedia_;
    std::vector<std::pair<std::string, std::string>> existingComputed_;
};

}  // namespace corvane
