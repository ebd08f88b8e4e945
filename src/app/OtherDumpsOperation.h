// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>

#include "app/ToolReport.h"
#include "tools/OtherDumpsSearch.h"

namespace corvane {

class DatabaseStore;
class Game;
class Sha1Cache;
class SoftwareIndex;
class TextSource;

// The profile Other Dumps starts from, with its medium's SHA-1 (empty when it has none).
struct OtherDumpsRequest {
    std::string profileName;
    std::string database;
    std::string sha1;
};

// Other Dumps as the window and the command line use it: what the software databases know of
// the profile's software, the search over every launcher database, and the SHA-1s it computed
// kept for the rest of the run.
class OtherDumpsOperation {
public:
    OtherDumpsOperation(DatabaseStore& store, Sha1Cache& cache, const SoftwareIndex& index,
                        const TextSource& texts);

    // The request for a profile of a database, its SHA-1 through the cache.
    OtherDumpsRequest requestFor(const Game& profile, const std::string& database);

    // Every SHA-1 of the profile's software, its own included; empty when the SHA-1 is unknown
    // to the software databases, or there is none.
    std::set<std::string> knownDumps(const OtherDumpsRequest& request) const;

    // The search over the databases as they are listed now; only a request with known dumps
    // has anything to search for.
    OtherDumpsSearch prepare(const OtherDumpsRequest& request);

    // On the owner's thread once the search has run: keeps what it hashed. Done when it got to
    // its end, NothingDone when stopped, FileError naming a database that could not be read; the
    // findings are the search's.
    ToolReport finish(const OtherDumpsSearch& search, bool completed);

private:
    DatabaseStore& store_;
    Sha1Cache& cache_;
    const SoftwareIndex& index_;
    const TextSource& texts_;
};

}  // namespace corvane
