// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/OtherDumpsSearch.h"

#include "common/LineReader.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

namespace {

constexpr std::int64_t kReportEvery = 20;

std::int64_t countProfiles(const std::string& path) {
    LineReader reader(path);
    std::int64_t count = 0;
    std::string line;
    while (reader.next(line))
        count += line.empty() ? 0 : 1;
    return count;
}

}  // namespace

OtherDumpsSearch::OtherDumpsSearch(OtherDumpsPlan plan, Sha1Cache known)
    : plan_(std::move(plan)), known_(std::move(known)) {}

bool OtherDumpsSearch::run(Progress& progress) {
    found_.clear();
    hashed_.clear();
    std::int64_t total = 0;
    for (const std::string& file : plan_.files)
        total += countProfiles(joinPath(plan_.directory, file));
    progress.setRange(total);
    CancelCheck cancel(progress);
    std::int64_t examined = 0;
    std::string line;
    for (const std::string& file : plan_.files) {
        // A database that cannot be opened is passed over.
        LineReader reader(joinPath(plan_.directory, file));
        const std::string database = DatabaseStore::databaseNameOfPath(file);
        progress.setStatus(database);
        while (reader.next(line)) {
            if (line.empty())
                continue;
            if (++examined % kReportEvery == 0) {
                progress.setPosition(examined);
                if (progress.cancelled())
                    return false;
            }
            Game profile;
            profile.FromLine(line);
            if (profile.name == plan_.profileName && database == plan_.database)
                continue;
            const std::string sha1 = ProfileSha1(profile, database, known_, &cancel, &hashed_);
            if (cancel.stopped())
                return false;
            if (!sha1.empty() && plan_.knownDumps.contains(sha1))
                found_.push_back({profile.name, database});
        }
    }
    progress.setPosition(examined);
    return true;
}

}  // namespace corvane
