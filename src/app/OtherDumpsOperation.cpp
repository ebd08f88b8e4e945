// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OtherDumpsOperation.h"

#include "emulator/SoftwareIndex.h"
#include "media/ProfileSha1.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

OtherDumpsOperation::OtherDumpsOperation(DatabaseStore& store, Sha1Cache& cache,
                                         const SoftwareIndex& index)
    : store_(store), cache_(cache), index_(index) {}

OtherDumpsRequest OtherDumpsOperation::requestFor(const Game& profile,
                                                  const std::string& database) {
    return {profile.name, database, ProfileSha1(profile, database, cache_)};
}

std::set<std::string> OtherDumpsOperation::knownDumps(const OtherDumpsRequest& request) const {
    if (request.sha1.empty())
        return {};
    return index_.otherDumps(request.sha1).value_or(std::set<std::string>{});
}

OtherDumpsSearch OtherDumpsOperation::prepare(const OtherDumpsRequest& request) {
    // Databases made or copied in by other programs since are searched too.
    store_.forgetDatabaseList();
    OtherDumpsPlan plan{request.profileName, request.database, knownDumps(request),
                        store_.directory(), store_.databaseList()};
    return OtherDumpsSearch(std::move(plan), cache_);
}

ToolReport OtherDumpsOperation::finish(const OtherDumpsSearch& search, bool completed) {
    // Hashed is hashed, whether or not the search got to its end.
    for (const HashedProfile& entry : search.hashed())
        cache_.store(entry.profile, entry.database, entry.sha1);
    ToolReport report;
    report.result = completed ? OperationResult::Done : OperationResult::NothingDone;
    return report;
}

}  // namespace corvane
