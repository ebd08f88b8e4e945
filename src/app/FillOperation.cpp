// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FillOperation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "app/NoticeKeys.h"
#include "common/AtomicFile.h"
#include "common/TextSource.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "model/DatabaseFiles.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"
#include "selection/Favorites.h"
#include "tools/FillDetails.h"
#include "tools/MediaWalk.h"

namespace corvane {

FillJob::FillJob(FillRequest request, std::string directory, LockWait lockWait,
                 SoftwareSources sources, Sha1Cache known)
    : request_(std::move(request)),
      directory_(std::move(directory)),
      lockWait_(std::move(lockWait)),
      path_(databaseFilePath(directory_, request_.databaseName)),
      sources_(std::move(sources)),
      known_(std::move(known)) {}

namespace {

// A database's profiles; none when it exists but could not be read whole, since a database read
// only in part would let its unread media in a second time.
std::optional<std::vector<Game>> readWhole(const std::string& path) {
    std::vector<Game> profiles;
    const ReadResult read = forEachProfile(path, [&profiles](const ProfileLine& line) {
        profiles.emplace_back().FromLine(line.bytes);
        return true;
    });
    if (read == ReadResult::Unreadable)
        return std::nullopt;
    return profiles;
}

OperationResult lockFailure(const DirectoryLock& lock, OperationResult otherwise) {
    return lock.busy() ? OperationResult::Busy : otherwise;
}

}  // namespace

bool FillJob::readExisting(DatabaseFill& fill) {
    const std::optional<std::vector<Game>> profiles = readWhole(path_);
    if (!profiles)
        return false;
    fill.addExisting(*profiles, known_, request_.databaseName);
    return true;
}

bool FillJob::appends() const {
    return request_.target == FillTarget::Existing &&
           (request_.dropped || request_.mode == FillMode::Append);
}

OperationResult FillJob::write(DatabaseFill& fill) {
    const DirectoryLock lock = lockDirectory();
    if (!lock.held())
        return lockFailure(lock, OperationResult::FileError);
    if (!ProfileFile::settle(path_))
        return OperationResult::FileError;
    // The backup holds exactly what this write replaces, and goes again should the write fail.
    std::string backupMade;
    if (request_.target == FillTarget::Existing && request_.backup &&
        backupDatabaseFile(directory_, request_.databaseName, &backupMade) == BackupResult::Failed)
        return OperationResult::BackupFailed;
    const bool written = appends() ? appendScanned(fill) : replaceWithScanned();
    if (!written && !backupMade.empty())
        ::unlink(backupMade.c_str());
    return written ? OperationResult::Done : OperationResult::FileError;
}

bool FillJob::appendScanned(DatabaseFill& fill) {
    // Another program may have written the database since the scan began.
    const std::optional<std::vector<Game>> held = readWhole(path_);
    if (!held)
        return false;
    fill.settle(scan_, *held);
    return ProfileFile(directory_, lockWait_).append(path_, scan_.lines);
}

bool FillJob::replaceWithScanned() const {
    // A new database never takes the place of a file that appeared meanwhile.
    AtomicFileWriter out(path_, request_.target == FillTarget::New
                                    ? AtomicFileWriter::Publish::CreateNew
                                    : AtomicFileWriter::Publish::Replace);
    for (const std::string& line : scan_.lines)
        out.writeLine(line);
    return out.commit();
}

void FillJob::run(Progress& progress) {
    // Its own view of the base directory: nothing of the owner's crosses to this thread.
    NoticeKeys notices;
    DatabaseFill fill(request_, progress);
    // Whether the database can take the new lines is known before a long scan, not after it.
    if (appends() && (!appendLines(path_, {}) || !readExisting(fill))) {
        result_ = OperationResult::FileError;
        return;
    }
    const EmulatorDatabaseSet titles(sources_, notices, notices);
    noticeKeys_ = notices.keys();
    std::optional<FillDetails> details;
    if (request_.extraData)
        details.emplace(directory_);
    scan_ = fill.scan(&titles, details ? &*details : nullptr);
    if (scan_.stopped) {
        result_ = OperationResult::NothingDone;
        return;
    }
    result_ = write(fill);
}

FillOperation::FillOperation(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache,
                             const TextSource& texts)
    : store_(store), favorites_(favorites), cache_(cache), texts_(texts) {}

std::optional<std::string> FillOperation::refusal(FillRequest& request) {
    if (request.dropped && request.paths.empty())
        return "M_ERR_NO_FILE_DIR_SEL";
    if (request.target == FillTarget::Existing) {
        if (request.paths.empty())
            return "M_ERR_NO_DIR_SEL";
        if (!request.media.any())
            return "M_ERR_NO_MEDIUM_SEL";
        const std::vector<std::string> names = store_.databaseNames();
        if (request.databaseName.empty() || !isListedDatabase(names, request.databaseName))
            return "M_ERR_NO_DB_SEL";
    } else {
        const std::string typed = request.databaseName;
        request.databaseName = validDatabaseName(typed).value_or(typed);
        if (request.databaseName.find_first_not_of(" \t") == std::string::npos)
            return "M_ERR_NO_NEW_DB_ENTERED";
        if (!validDatabaseName(typed))
            return "M_INVALID_NAME";
        struct stat status {};
        if (::lstat(store_.databasePath(request.databaseName).c_str(), &status) == 0)
            return "M_ERR_DB_NAME_EXIST";
        if (errno != ENOENT)
            return "M_ERR_FILE_IO";
    }
    // The machine goes into every line as one field.
    if (!fitsDatabaseLine(request.machine))
        return "M_INVALID_NAME";
    return std::nullopt;
}

std::vector<std::string> FillOperation::databaseNames() {
    store_.forgetDatabaseList();
    return store_.databaseNames();
}

const std::string& FillOperation::currentDatabase() const {
    return store_.currentDatabaseName();
}

FillJob FillOperation::prepare(FillRequest request, const SoftwareSources& sources) {
    return FillJob(std::move(request), store_.directory(), store_.lockWait(), sources, cache_);
}

ToolReport FillOperation::finish(const FillJob& job) {
    ToolReport report;
    report.result = job.result();
    for (const std::string& key : job.noticeKeys())
        report.notices.push_back(texts_.text(key));
    if (job.scan().notRead > 0)
        report.notes.push_back(texts_.text("M_FILL_NOT_READ") + std::to_string(job.scan().notRead));
    const FillRequest& request = job.request();
    const std::string& name = request.databaseName;
    // The database's own profiles were hashed whatever became of the run.
    for (const auto& [profile, sha1] : job.scan().existingSha1s)
        cache_.store(profile, name, sha1);
    if (job.result() != OperationResult::Done)
        return report;
    const bool appended = job.appends();
    if (!appended) {
        // The old profiles are gone: nothing of theirs may stay attached to the name.
        cache_.dropDatabase(name);
        if (request.target == FillTarget::Existing)
            report.result = favoritesResult(favorites_.removeDatabase(name));
        // A new file is listed from the folder again.
        store_.forgetDatabaseList();
    }
    const FillScan& scan = job.scan();
    for (size_t i = 0; i < scan.lines.size(); ++i)
        if (scan.newProfiles[i].cached)
            cache_.store(std::string(profileNameOfLine(scan.lines[i])), name,
                         scan.newProfiles[i].sha1);
    store_.setCurrentDatabase(name);
    const std::string added = std::to_string(job.scan().added);
    const std::string quoted = "\"" + name + "\"";
    if (!appended)
        report.message = name + texts_.text("M_CREATED_DB") + added;
    else if (job.scan().added > 0)
        report.message = added + texts_.text("M_ADDED_TO_DB") + quoted;
    else
        report.message = texts_.text("M_ERR_NO_ADDED_TO_DB") + quoted;
    return report;
}

}  // namespace corvane
