// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ImportExtraDataOperation.h"

#include "app/RewriteResult.h"

#include <algorithm>
#include <utility>

#include "common/TextSource.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/ProfileFile.h"

namespace corvane {

ImportExtraDataJob::ImportExtraDataJob(ExtraDataImportRequest request,
                                       std::vector<std::string> databases, std::string directory,
                                       LockWait lockWait, Sha1Cache known, std::vector<Game> listed)
    : request_(std::move(request)),
      databases_(std::move(databases)),
      directory_(std::move(directory)),
      lockWait_(std::move(lockWait)),
      known_(std::move(known)),
      listed_(std::move(listed)) {}

void ImportExtraDataJob::run(Progress& progress) {
    ImportExtraDataHandler handler(directory_);
    // Data read only in part would pass profiles over as if they had no record.
    if (!handler.Load()) {
        result_ = OperationResult::FileError;
        return;
    }
    // Listed profiles are checked and changed under one hold of the lock, so that no other
    // program comes in between; a selection is few profiles to hash meanwhile.
    std::optional<DirectoryLock> lock;
    if (!listed_.empty()) {
        lock.emplace(directory_, lockWait_);
        if (!lock->held()) {
            result_ = lock->busy() ? OperationResult::Busy : OperationResult::FileError;
            return;
        }
        const std::string path = databaseFilePath(directory_, request_.databaseName);
        const std::optional<bool> asListed =
            ProfileFile::settle(path) ? DatabaseStore::holdsAsListed(path, listed_) : std::nullopt;
        if (!asListed || !*asListed) {
            result_ = asListed ? OperationResult::ChangedElsewhere : OperationResult::FileError;
            return;
        }
    }
    outcome_ = handler.Import(request_, databases_, lockWait_, known_, progress);
    result_ = rewriteResult(outcome_.result);
}

ImportExtraDataOperation::ImportExtraDataOperation(DatabaseStore& store, Sha1Cache& cache,
                                                   const TextSource& texts)
    : store_(store), cache_(cache), texts_(texts) {}

std::optional<std::string> ImportExtraDataOperation::refusal(
    const ExtraDataImportRequest& request) {
    if (request.allDatabases)
        return std::nullopt;
    const std::vector<std::string> names = databaseNames();
    if (!isListedDatabase(names, request.databaseName))
        return "M_ERR_NO_DB_SEL";
    return std::nullopt;
}

std::vector<std::string> ImportExtraDataOperation::databaseNames() {
    store_.forgetDatabaseList();
    return store_.databaseNames();
}

const std::string& ImportExtraDataOperation::currentDatabase() const {
    return store_.currentDatabaseName();
}

ImportExtraDataJob ImportExtraDataOperation::prepare(ExtraDataImportRequest request) {
    std::vector<std::string> databases =
        request.allDatabases ? databaseNames() : std::vector<std::string>{request.databaseName};
    std::vector<Game> listed = request.allDatabases ? std::vector<Game>{} : listed_;
    return ImportExtraDataJob(std::move(request), std::move(databases), store_.directory(),
                              store_.lockWait(), cache_, std::move(listed));
}

ToolReport ImportExtraDataOperation::finish(const ImportExtraDataJob& job) {
    // The media were hashed whatever became of the run, and an import changes no medium.
    for (const HashedProfile& entry : job.outcome().hashed)
        cache_.store(entry.profile, entry.database, entry.sha1);
    ToolReport report;
    report.messageKind = MessageKind::Info;
    report.result = job.result();
    if (job.result() == OperationResult::Done) {
        report.message = std::to_string(job.outcome().count) + texts_.text("M_PROFILES_MODIFIED");
        return report;
    }
    // A run that ended part-way tells which databases it did write.
    const std::vector<std::string>& written = job.outcome().rewritten;
    if (written.empty())
        return report;
    std::string names;
    for (const std::string& name : written)
        names += (names.empty() ? "" : ", ") + name;
    report.notices.push_back(texts_.text("M_EXTRA_DATA_IMPORTED_IN") + names);
    if (job.result() == OperationResult::Busy)
        report.error = texts_.text("M_ERR_BASE_DIR_BUSY_REST");
    return report;
}

}  // namespace corvane
