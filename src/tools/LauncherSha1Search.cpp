// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/LauncherSha1Search.h"

#include <sys/stat.h>

#include "common/LineReader.h"
#include "common/Progress.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseName.h"
#include "model/Game.h"

namespace corvane {

namespace {

std::int64_t fileSize(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<std::int64_t>(status.st_size) : 0;
}

// A user's Cancel is looked at every so many lines, and inside every medium hashed.
constexpr int kLinesBetweenLooks = 20;

}  // namespace

LauncherSearchResult searchLauncher(const std::string& directory,
                                    const std::vector<std::string>& databases,
                                    const std::string& sha1, Sha1Cache& cache, Progress& progress) {
    LauncherSearchResult result;
    // A profile without a readable medium has an empty SHA-1 too.
    if (sha1.empty())
        return result;
    std::vector<std::string> paths;
    std::int64_t total = 0;
    for (const std::string& database : databases) {
        paths.push_back(databaseFilePath(directory, database));
        total += fileSize(paths.back());
    }
    progress.setRange(total);
    std::int64_t read = 0;
    int lines = 0;
    CancelCheck cancel(progress);
    for (size_t i = 0; i < databases.size(); ++i) {
        LineReader reader(paths[i]);
        progress.setStatus(databases[i]);
        std::string line;
        while (reader.isOpen() && reader.next(line)) {
            read += static_cast<std::int64_t>(line.size()) + 2;
            if (lines++ % kLinesBetweenLooks == 0) {
                progress.setPosition(read);
                if (progress.cancelled()) {
                    result.stopped = true;
                    return result;
                }
            }
            if (line.empty())
                continue;
            // A profile the cache knows is not even parsed.
            std::string name(profileNameOfLine(line));
            std::string found = cache.find(name, databases[i]);
            if (found.empty()) {
                Game profile;
                profile.FromLine(line);
                found = ProfileSha1(profile, databases[i], cache, &cancel, &result.hashed);
                if (cancel.stopped()) {
                    result.stopped = true;
                    return result;
                }
            }
            if (found == sha1) {
                result.hit = LauncherHit{databases[i], std::move(name)};
                return result;
            }
        }
    }
    progress.setPosition(total);
    return result;
}

}  // namespace corvane
