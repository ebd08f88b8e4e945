// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ToolReport.h"
#include "common/DirectoryLock.h"
#include "media/ProfileSha1.h"
#include "media/Sha1Cache.h"
#include "model/ProfileFile.h"
#include "tools/SetMachineOptions.h"

namespace corvane {

class CancelCheck;
class DatabaseStore;
class Game;
class Progress;
class TextSource;

// What Set Machine is asked to do; the defaults are the window's initial state but for the
// database, which the window takes from the current one.
struct SetMachineRequest {
    std::string databaseName;
    SetMachineOptions options;
    bool backup = false;
};

// One run of Set Machine, holding only values so that it can run on a worker thread.
class SetMachineJob {
public:
    SetMachineJob(SetMachineRequest request, std::string directory, LockWait lockWait,
                  std::vector<std::string> usableMachines, Sha1Cache known);

    // Rewrites the database. In the minimum-machine mode the extra data is read first and each
    // profile's medium hashed as needed, unless the cache knew its SHA-1.
    void run(Progress& progress);

    const SetMachineRequest& request() const { return request_; }
    const RewriteOutcome& outcome() const { return outcome_; }
    // SHA-1s worked out on the way.
    const std::vector<HashedProfile>& computed() const { return computed_; }

private:
    SetMachineRequest request_;
    std::string directory_;
    LockWait lockWait_;
    std::vector<std::string> usableMachines_;
    Sha1Cache known_;
    RewriteOutcome outcome_;
    std::vector<HashedProfile> computed_;
};

// Set Machine as the window and the command line use it.
class SetMachineOperation {
public:
    SetMachineOperation(DatabaseStore& store, Sha1Cache& cache, const TextSource& texts);

    // The catalogue key of the first reason the request cannot run; none when it can.
    std::optional<std::string> refusal(const SetMachineRequest& request);

    // The databases to choose from, read from the folder again, and the current one.
    std::vector<std::string> databaseNames();
    const std::string& currentDatabase() const;

    SetMachineJob prepare(SetMachineRequest request, std::vector<std::string> usableMachines);

    // On the owner's thread once the job has run: keeps the SHA-1s worked out, and tells how
    // many profiles were updated, also after a Cancel, which keeps what was done by then.
    ToolReport finish(const SetMachineJob& job);

private:
    DatabaseStore& store_;
    Sha1Cache& cache_;
    const TextSource& texts_;
};

}  // namespace corvane
