// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RenameOperation.h"

#include <algorithm>
#include <set>

#include "app/NoticeKeys.h"
#include "common/AsciiCase.h"
#include "common/FileStamp.h"
#include "common/Progress.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "media/CSHADigest.h"
#include "media/CancelCheck.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"

namespace corvane {

namespace {

// Which planned renames still fit the database as it is now, read under the lock: a file that a
// profile changed since planning points at (before or after the change) is left alone, as the
// database could no longer follow its rename. None when the database cannot be read.
std::optional<std::vector<bool>> renamesStillFitting(const std::string& path,
                                                     const std::vector<Game>& planned,
                                                     const std::vector<PlannedRename>& renames) {
    std::set<std::string, std::less<>> plannedLines;
    for (const Game& game : planned)
        plannedLines.insert(game.ToLine());
    std::set<std::string, std::less<>> nowLines;
    std::set<std::string, std::less<>> touched;
    const ReadResult read = forEachProfile(path, [&](const ProfileLine& line) {
        const Game game = line.profile();
        std::string text = game.ToLine();
        if (!plannedLines.contains(text))
            for (std::string Game::*field : kMediaFileFields)
                touched.insert(game.*field);
        nowLines.insert(std::move(text));
        return true;
    });
    if (read != ReadResult::Done && read != ReadResult::Missing)
        return std::nullopt;
    for (const Game& game : planned)
        if (!nowLines.contains(game.ToLine()))
            for (std::string Game::*field : kMediaFileFields)
                touched.insert(game.*field);
    std::vector<bool> fitting;
    for (const PlannedRename& rename : renames)
        fitting.push_back(!touched.contains(rename.from));
    return fitting;
}

}  // namespace

RenameJob::RenameJob(FileRenameRequest request, std::string directory, LockWait lockWait,
                     SoftwareSources sources, RenameFile rename)
    : request_(std::move(request)),
      directory_(std::move(directory)),
      lockWait_(std::move(lockWait)),
      path_(databaseFilePath(directory_, request_.databaseName)),
      sources_(std::move(sources)),
      rename_(std::move(rename)) {}

void RenameJob::run(Progress& progress) {
    {
        // A run cut short must be completed before its database is read again.
        const DirectoryLock lock(directory_, lockWait_);
        if (!lock.held()) {
            result_ = lock.busy() ? OperationResult::Busy : OperationResult::FileError;
            return;
        }
        if (recoverRenames(path_) == RecoveryResult::Failed) {
            result_ = OperationResult::FileError;
            return;
        }
    }
    planned_ = fileStamp(path_);
    // A database missing or not read whole has nothing renamed.
    std::vector<Game> profiles;
    if (DatabaseStore::readProfiles(path_, profiles) != ReadResult::Done) {
        result_ = OperationResult::FileError;
        return;
    }
    std::optional<EmulatorDatabaseSet> titles;
    TitleOfFile titleOf;
    if (request_.rule == RenameRule::SoftwareTitle) {
        NoticeKeys notices;
        titles.emplace(sources_, notices, notices);
        noticeKeys_ = notices.keys();
        titleOf = [&titles, &progress](const std::string& path) -> std::optional<std::string> {
            CSHADigest digest;
            CancelCheck cancel(progress);
            if (!digest.HashFile(path, &cancel))
                return std::nullopt;
            const std::optional<CorvaneDBEntry> entry =
                titles->findEntry(toLowerAscii(digest.DigestText()));
            if (!entry || !entry->found)
                return std::nullopt;
            return entry->title;
        };
    }
    const RenamePlan plan = planRenames(profiles, request_, titleOf, progress);
    stopped_ = plan.stopped;
    renameUnderLock(profiles, plan);
}

void RenameJob::renameUnderLock(const std::vector<Game>& profiles, const RenamePlan& plan) {
    const DirectoryLock lock(directory_, lockWait_);
    if (!lock.held()) {
        result_ = lock.busy() ? OperationResult::Busy : OperationResult::FileError;
        return;
    }
    if (!ProfileFile::settle(path_)) {
        result_ = OperationResult::FileError;
        return;
    }
    // The plan was made from the database as read without the lock: another program may have
    // changed profiles since. Nothing needs checking when the file is still the one read.
    std::vector<bool> fitting(plan.renames.size(), true);
    if (fileStamp(path_) != planned_) {
        const std::optional<std::vector<bool>> now =
            renamesStillFitting(path_, profiles, plan.renames);
        if (!now) {
            result_ = OperationResult::FileError;
            return;
        }
        fitting = *now;
    }
    std::vector<PlannedRename> renames;
    for (size_t i = 0; i < plan.renames.size(); ++i)
        if (fitting[i])
            renames.push_back(plan.renames[i]);
    std::vector<bool> made;
    const RenameRunResult outcome = runRenames(path_, renames, rename_, made);
    if (outcome == RenameRunResult::JournalFailed) {
        result_ = OperationResult::FileError;
        return;
    }
    std::vector<bool> done(plan.renames.size(), false);
    for (size_t i = 0, next = 0; i < plan.renames.size(); ++i)
        if (fitting[i])
            done[i] = made[next++];
    std::vector<size_t> listed = plan.listed;
    totals_.notRenamed = plan.notRenamed;
    for (size_t i = 0; i < done.size(); ++i) {
        if (done[i]) {
            ++totals_.renamed;
        } else {
            ++totals_.notRenamed;
            listed.push_back(plan.renames[i].profile);
        }
    }
    std::sort(listed.begin(), listed.end());
    listed.erase(std::unique(listed.begin(), listed.end()), listed.end());
    for (size_t index : listed)
        totals_.listed.push_back(profiles[index].name);
    result_ = outcome == RenameRunResult::Done ? OperationResult::Done : OperationResult::FileError;
}

RenameOperation::RenameOperation(DatabaseStore& store, const TextSource& texts)
    : store_(store), texts_(texts) {}

std::optional<std::string> RenameOperation::refusal(const FileRenameRequest& request) {
    if (!request.media.any())
        return "M_SEL_MEDIUM";
    const std::vector<std::string> names = store_.databaseNames();
    if (!isListedDatabase(names, request.databaseName))
        return "M_ERR_FILE_IO";
    return std::nullopt;
}

std::vector<std::string> RenameOperation::databaseNames() {
    store_.forgetDatabaseList();
    return store_.databaseNames();
}

const std::string& RenameOperation::currentDatabase() const {
    return store_.currentDatabaseName();
}

RenameJob RenameOperation::prepare(FileRenameRequest request, const SoftwareSources& sources,
                                   RenameFile rename) const {
    return RenameJob(std::move(request), store_.directory(), store_.lockWait(), sources,
                     std::move(rename));
}

ToolReport RenameOperation::finish(const RenameJob& job) const {
    ToolReport report;
    report.result = job.result();
    for (const std::string& key : job.noticeKeys())
        report.notices.push_back(texts_.text(key));
    return report;
}

}  // namespace corvane
