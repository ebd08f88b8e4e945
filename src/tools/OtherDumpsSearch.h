// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <vector>

#include "media/ProfileSha1.h"
#include "media/Sha1Cache.h"

namespace corvane {

class Progress;

// A profile whose main medium is one of the known dumps.
struct OtherDump {
    std::string profile;
    std::string database;  // without ".db"

    bool operator==(const OtherDump&) const = default;
};

// One search as values, so that it can run on any thread.
struct OtherDumpsPlan {
    // The profile searched from, which is never its own other dump.
    std::string profileName;
    std::string database;
    // Every SHA-1 of the profile's software, its own included.
    std::set<std::string> knownDumps;
    std::string directory;
    std::vector<std::string> files;  // database file names, in list order
};

// Finds the profiles of every launcher database whose main medium is a known dump of the same
// software, databases in list order and profiles in file order.
class OtherDumpsSearch {
public:
    // known: the SHA-1s already computed this run, so a medium is not hashed twice.
    OtherDumpsSearch(OtherDumpsPlan plan, Sha1Cache known);

    // Touches only the databases' files and the media; the range is the number of profiles of
    // every database and the position moves every 20. False when the user stopped it.
    bool run(Progress& progress);

    const OtherDumpsPlan& plan() const { return plan_; }
    const std::vector<OtherDump>& found() const { return found_; }
    // What the run computed that the cache did not hold.
    const std::vector<HashedProfile>& hashed() const { return hashed_; }

private:
    OtherDumpsPlan plan_;
    Sha1Cache known_;
    std::vector<OtherDump> found_;
    std::vector<HashedProfile> hashed_;
};

}  // namespace corvane
