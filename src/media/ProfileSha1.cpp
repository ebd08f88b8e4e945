// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ProfileSha1.h"

#include "media/MediaHash.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"

namespace corvane {

ProfileDigest LookUpOrHash(const Game& game, const std::string& database, const Sha1Cache& cache,
                           CancelCheck* cancel) {
    std::string sha1 = cache.find(game.name, database);
    if (!sha1.empty())
        return {std::move(sha1), false};
    const MainMediumInfo medium = game.MainMedium();
    return {MediumSha1(medium.file, medium.entry, cancel), true};
}

std::string ProfileSha1(const Game& game, const std::string& database, Sha1Cache& cache,
                        CancelCheck* cancel, std::vector<HashedProfile>* hashed) {
    ProfileDigest digest = LookUpOrHash(game, database, cache, cancel);
    if (digest.hashed && !digest.sha1.empty()) {
        cache.store(game.name, database, digest.sha1);
        if (hashed != nullptr)
            hashed->push_back({game.name, database, digest.sha1});
    }
    return std::move(digest.sha1);
}

}  // namespace corvane
