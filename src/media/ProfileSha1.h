// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

class CancelCheck;
class Game;
class Sha1Cache;

// A SHA-1 a run had to hash because the cache lacked it. A job hashes into its own copy of the
// cache and lists these, so that the owner's cache takes them on the owner's thread.
struct HashedProfile {
    std::string profile;
    std::string database;  // without ".db"
    std::string sha1;
};

// What a lookup found without storing anything.
struct ProfileDigest {
    std::string sha1;     // lower case; empty when there is none
    bool hashed = false;  // read from the medium now, not taken from the cache
};

// The cache's SHA-1 of the profile's main medium, else the medium hashed (a file, or a member of
// a ZIP archive). The cache is only read, so workers may share one that nobody changes meanwhile.
// Empty when the profile has no main medium, it cannot be read, or cancel (may be null) stopped
// the read: cancel->stopped() tells the last apart.
ProfileDigest LookUpOrHash(const Game& game, const std::string& database, const Sha1Cache& cache,
                           CancelCheck* cancel = nullptr);

// The same, and a SHA-1 that had to be hashed is stored in the cache and, when hashed is given,
// listed there. Only successful results are stored, so a medium that appears later is found.
std::string ProfileSha1(const Game& game, const std::string& database, Sha1Cache& cache,
                        CancelCheck* cancel = nullptr,
                        std::vector<HashedProfile>* hashed = nullptr);

}  // namespace corvane
