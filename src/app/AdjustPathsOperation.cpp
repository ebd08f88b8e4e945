// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AdjustPathsOperation.h"

#include "app/RewriteResult.h"
#include "app/UnreadableDatabase.h"
#include "common/FileStamp.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "common/ProgressSpan.h"
#include "common/TextSource.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/StoredField.h"
#include "tools/RelativePaths.h"

namespace corvane {

AdjustPathsJob::AdjustPathsJob(AdjustPathsRequest request, std::string directory, LockWait lockWait,
                               std::vector<std::string> databases)
    : request_(std::move(request)),
      directory_(std::move(directory)),
      lockWait_(std::move(lockWait)),
      databases_(std::move(databases)) {}

void AdjustPathsJob::run(Progress& progress) {
    const ProfileFile rewrite(directory_, lockWait_);
    // One bar for the run, each database's bytes after those of the ones before it. A database
    // that cannot be opened fails the run before any is rewritten.
    std::vector<std::int64_t> sizes;
    std::int64_t total = 0;
    for (const std::string& name : databases_) {
        if (probeProfiles(rewrite.path(name)) == ReadResult::Unreadable) {
            result_ = RewriteOutcome::Result::FileError;
            unreadable_ = name;
            return;
        }
        const std::optional<FileStamp> stamp = fileStamp(databaseFilePath(directory_, name));
        sizes.push_back(stamp ? stamp->size : 0);
        total += sizes.back();
    }
    progress.setRange(total);
    std::int64_t before = 0;
    for (size_t i = 0; i < databases_.size(); ++i) {
        const std::string& name = databases_[i];
        if (progress.cancelled()) {
            result_ = RewriteOutcome::Result::Stopped;
            return;
        }
        progress.setStatus(name);
        // A database is rewritten to its end whatever the user asks meanwhile, so that none is
        // left half adjusted; the run looks at the Cancel between databases.
        ProgressSpan whole(progress, before, before + sizes[i], ProgressSpan::Cancel::AfterStep);
        before += sizes[i];
        const RewriteOutcome outcome = rewrite.rewrite(
            name, request_.backup,
            [this](Game& game) {
                return AdjustRelativePaths(game, request_.current, request_.newFolder) > 0;
            },
            whole);
        // A database deleted since the list was made has no paths left to adjust.
        if (outcome.result == RewriteOutcome::Result::Missing)
            continue;
        if (outcome.result != RewriteOutcome::Result::Done) {
            result_ = outcome.result;
            return;
        }
        done_.push_back(name);
        profiles_ += outcome.profiles;
    }
}

AdjustPathsOperation::AdjustPathsOperation(DatabaseStore& store, const TextSource& texts)
    : store_(store), texts_(texts) {}

AdjustPathsOperation::CurrentPath AdjustPathsOperation::currentRelativePath() {
    store_.forgetDatabaseList();
    RelativePathPrefix prefix;
    for (const std::string& file : store_.databaseList()) {
        const ReadResult read =
            forEachProfile(joinPath(store_.directory(), file), [&prefix](const ProfileLine& line) {
                prefix.add(line.profile());
                return true;
            });
        // A database gone since the list was made has no paths to share.
        if (read == ReadResult::Unreadable)
            return {"", DatabaseStore::databaseNameOfPath(file)};
    }
    return {prefix.text(), ""};
}

std::string AdjustPathsOperation::unreadableText(const CurrentPath& current) const {
    return unreadableDatabaseText(texts_, current.unreadable);
}

std::optional<std::string> AdjustPathsOperation::refusal(const AdjustPathsRequest& request) const {
    if (const auto reason = AdjustRelativePathsRefusal(request.current))
        return std::string(*reason);
    if (request.newFolder.empty())
        return "M_ERR_NO_DIR_SEL";
    // The folder goes into the lines' path fields.
    if (!fitsDatabaseLine(request.newFolder))
        return "M_INVALID_NAME";
    return std::nullopt;
}

AdjustPathsJob AdjustPathsOperation::prepare(AdjustPathsRequest request) {
    return AdjustPathsJob(std::move(request), store_.directory(), store_.lockWait(),
                          store_.databaseNames());
}

std::string AdjustPathsOperation::doneText(const AdjustPathsJob& job) const {
    if (job.done().empty())
        return texts_.text("M_PATHS_ADJUSTED_NONE");
    std::string names;
    for (const std::string& name : job.done())
        names += (names.empty() ? "" : ", ") + name;
    return texts_.text("M_PATHS_ADJUSTED_IN") + names;
}

ToolReport AdjustPathsOperation::finish(const AdjustPathsJob& job) {
    ToolReport report;
    report.result = rewriteResult(job.result());
    if (job.result() == RewriteOutcome::Result::Done) {
        // Nothing to tell when there was no profile to adjust.
        if (job.profiles() == 0)
            report.result = OperationResult::NothingDone;
        report.message = texts_.text("M_ADJUSTED_ALL_PATHS");
        report.messageKind = MessageKind::Info;
    } else if (job.result() == RewriteOutcome::Result::Stopped) {
        if (job.done().empty())
            report.result = OperationResult::NothingDone;
        report.message = doneText(job);
    } else {
        report.notices.push_back(doneText(job));
        if (!job.unreadable().empty())
            report.error = unreadableDatabaseText(texts_, job.unreadable());
        // The general busy message says nothing was changed, which is not so once one was.
        else if (job.result() == RewriteOutcome::Result::Busy && !job.done().empty())
            report.error = texts_.text("M_ERR_BASE_DIR_BUSY_REST");
    }
    return report;
}

}  // namespace corvane
