// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/OtherDumpsSearch.h"

#include "common/Path.h"
#include "common/Progress.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"

namespace corvane {

namespace {

constexpr std::int64_t kReportEvery = 20;

}  // namespace

OtherDumpsSearch::OtherDumpsSearch(OtherDumpsPlan plan, Sha1Cache known)
    : plan_(std::move(plan)), known_(std::move(known)) {}

bool OtherDumpsSearch::run(Progress& progress) {
    found_.clear();
    hashed_.clear();
    unreadable_.clear();
    std::int64_t total = 0;
    for (const std::string& file : plan_.files) {
        const ReadResult read =
            forEachProfile(joinPath(plan_.directory, file), [&total](const ProfileLine&) {
                ++total;
                return true;
            });
        if (read == ReadResult::Unreadable) {
            unreadable_ = DatabaseStore::databaseNameOfPath(file);
            return false;
        }
    }
    progress.setRange(total);
    CancelCheck cancel(progress);
    std::int64_t examined = 0;
    for (const std::string& file : plan_.files) {
        const std::string database = DatabaseStore::databaseNameOfPath(file);
        progress.setStatus(database);
        bool stopped = false;
        const ReadResult read =
            forEachProfile(joinPath(plan_.directory, file), [&](const ProfileLine& line) {
                if (++examined % kReportEvery == 0) {
                    progress.setPosition(examined);
                    if (progress.cancelled()) {
                        stopped = true;
                        return false;
                    }
                }
                const Game profile = line.profile();
                if (profile.name == plan_.profileName && database == plan_.database)
                    return true;
                const std::string sha1 = ProfileSha1(profile, database, known_, &cancel, &hashed_);
                if (cancel.stopped()) {
                    stopped = true;
                    return false;
                }
                if (!sha1.empty() && plan_.knownDumps.contains(sha1))
                    found_.push_back({profile.name, database});
                return true;
            });
        if (stopped)
            return false;
        // Only a database gone since the list was made is passed over.
        if (read == ReadResult::Unreadable) {
            unreadable_ = database;
            return false;
        }
    }
    progress.setPosition(examined);
    return true;
}

}  // namespace corvane
