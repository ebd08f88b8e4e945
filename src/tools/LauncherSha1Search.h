// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "media/ProfileSha1.h"

namespace corvane {

class Progress;
class Sha1Cache;

// A profile of a launcher database.
struct LauncherHit {
    std::string database;  // without ".db"
    std::string profile;

    bool operator==(const LauncherHit&) const = default;
};

struct LauncherSearchResult {
    std::optional<LauncherHit> hit;
    bool stopped = false;
    std::vector<HashedProfile> hashed;  // what the cache lacked
};

// Looks for the first profile, in database order and then line order, whose main medium has the
// lower-case SHA-1 sha1. Profiles the cache knows are not hashed again; the ones that had to be
// are stored in it and listed in the result. A database that cannot be opened is passed over.
// The bar counts the bytes of the databases read.
LauncherSearchResult searchLauncher(const std::string& directory,
                                    const std::vector<std::string>& databases,
                                    const std::string& sha1, Sha1Cache& cache, Progress& progress);

}  // namespace corvane
