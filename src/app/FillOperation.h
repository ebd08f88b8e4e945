// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/OperationResult.h"
#include "app/ToolReport.h"
#include "common/DirectoryLock.h"
#include "emulator/SoftwareSources.h"
#include "media/Sha1Cache.h"
#include "tools/DatabaseFill.h"
#include "tools/FillRequest.h"

namespace corvane {

class DatabaseStore;
class Favorites;
class Progress;
class TextSource;

// One run of Fill Database with all it needs, so that it can run on a worker thread: it holds
// only values and touches only files (the backup, the media, the target database).
class FillJob {
public:
    // directory is the base directory, lockWait how its lock is waited for.
    FillJob(FillRequest request, std::string directory, LockWait lockWait, SoftwareSources sources,
            Sha1Cache known);

    // Backs up, reads what an appended database holds, scans, and writes the database: a new or
    // overwritten one is written beside the old and put in its place at the end, an appended one
    // gets its new lines at the end, checked again against what the database holds by then. The
    // backup and the write hold the base directory's lock; the scan does not. Stopped or failed,
    // no database changes. The notices met on the way are kept for the report.
    void run(Progress& progress);

    const FillRequest& request() const { return request_; }
    // Done, NothingDone when stopped, BackupFailed, FileError, or Busy when another writer kept
    // the base directory locked.
    OperationResult result() const { return result_; }
    const FillScan& scan() const { return scan_; }
    // Adds to the database's profiles rather than replacing them.
    bool appends() const;
    // Catalogue keys of what the run came across (M_ERR_NO_CORVANE_DB), in order.
    const std::vector<std::string>& noticeKeys() const { return noticeKeys_; }

private:
    bool readExisting(DatabaseFill& fill);
    OperationResult write(DatabaseFill& fill);
    bool appendScanned(DatabaseFill& fill);
    bool replaceWithScanned() const;

    DirectoryLock lockDirectory() const { return DirectoryLock(directory_, lockWait_); }

    FillRequest request_;
    std::string directory_;
    LockWait lockWait_;
    std::string path_;
    SoftwareSources sources_;
    Sha1Cache known_;
    OperationResult result_ = OperationResult::NothingDone;
    FillScan scan_;
    std::vector<std::string> noticeKeys_;
};

// Fill Database as the windows and the command line use it: the checks of a request, the job
// that runs it, and what follows it (the SHA-1 cache, the favorites, the current database).
class FillOperation {
public:
    FillOperation(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache,
                  const TextSource& texts);

    // The catalogue key of the first reason the request cannot run, in the order the user
    // reads them; none when it can. A new database's name is trimmed in place.
    std::optional<std::string> refusal(FillRequest& request);

    // The databases a fill can add to, read from the folder again, since another program may
    // have made or copied in some; and the current one.
    std::vector<std::string> databaseNames();
    const std::string& currentDatabase() const;

    // Takes what the job needs from the owner's state.
    FillJob prepare(FillRequest request, const SoftwareSources& sources);

    // On the owner's thread once the job has run. After a completed run the target is the
    // current database. The message is the completion message, once the database was written;
    // its one note tells how many folders and media were passed over because they could not be
    // read (or named in a database line), when any were.
    ToolReport finish(const FillJob& job);

private:
    DatabaseStore& store_;
    Favorites& favorites_;
    Sha1Cache& cache_;
    const TextSource& texts_;
};

}  // namespace corvane
