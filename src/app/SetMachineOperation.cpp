// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SetMachineOperation.h"

#include <algorithm>

#include "app/RewriteResult.h"
#include "common/Progress.h"
#include "common/TextSource.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/StoredField.h"
#include "tools/ImportExtraDataHandler.h"
#include "tools/SetMachineHandler.h"

namespace corvane {

SetMachineJob::SetMachineJob(SetMachineRequest request, std::string directory, LockWait lockWait,
                             std::vector<std::string> usableMachines, Sha1Cache known)
    : request_(std::move(request)),
      directory_(std::move(directory)),
      lockWait_(std::move(lockWait)),
      usableMachines_(std::move(usableMachines)),
      known_(std::move(known)) {}

void SetMachineJob::run(Progress& progress) {
    progress.setStatus(request_.databaseName);
    ImportExtraDataHandler extraData(directory_);
    if (request_.options.minimumMachine && !extraData.Load()) {
        outcome_ = {};
        return;
    }
    const SetMachineHandler handler(request_.options, usableMachines_, extraData);
    CancelCheck cancel(progress);
    const ProfileFile rewrite(directory_, lockWait_);
    outcome_ = rewrite.rewrite(
        request_.databaseName, request_.backup,
        [&](Game& game) {
            return handler.SetMachine(game, [&] {
                return ProfileSha1(game, request_.databaseName, known_, &cancel, &computed_);
            });
        },
        progress);
}

SetMachineOperation::SetMachineOperation(DatabaseStore& store, Sha1Cache& cache,
                                         const TextSource& texts)
    : store_(store), cache_(cache), texts_(texts) {}

std::optional<std::string> SetMachineOperation::refusal(const SetMachineRequest& request) {
    const std::vector<std::string> names = databaseNames();
    if (!isListedDatabase(names, request.databaseName))
        return "M_ERR_NO_DB_SEL";
    if (!request.options.minimumMachine) {
        if (request.options.machine.empty())
            return "M_ERR_NO_MACHINE_SEL";
        // The machine goes into every line as one field.
        if (!fitsDatabaseLine(request.options.machine))
            return "M_INVALID_NAME";
    }
    return std::nullopt;
}

std::vector<std::string> SetMachineOperation::databaseNames() {
    store_.forgetDatabaseList();
    return store_.databaseNames();
}

const std::string& SetMachineOperation::currentDatabase() const {
    return store_.currentDatabaseName();
}

SetMachineJob SetMachineOperation::prepare(SetMachineRequest request,
                                           std::vector<std::string> usableMachines) {
    return SetMachineJob(std::move(request), store_.directory(), store_.lockWait(),
                         std::move(usableMachines), cache_);
}

ToolReport SetMachineOperation::finish(const SetMachineJob& job) {
    for (const HashedProfile& hashed : job.computed())
        cache_.store(hashed.profile, hashed.database, hashed.sha1);
    ToolReport report;
    report.messageKind = MessageKind::Info;
    report.result = rewriteResult(job.outcome().result);
    if (report.result == OperationResult::Done)
        report.message = std::to_string(job.outcome().changed) + texts_.text("M_PROFILES_MODIFIED");
    return report;
}

}  // namespace corvane
