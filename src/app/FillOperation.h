// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/OperationResult.h"
#include "emulator/SoftwareSources.h"
#include "media/Sha1Cache.h"
#include "tools/DatabaseFill.h"
#include "tools/FillRequest.h"

namespace corvane {

class DatabaseStore;
class Favorites;
class FillProgress;
class Prompter;
class TextSource;

// One run of Fill Database with all it needs, so that it can run on a worker thread: it
// touches only files (the backup, the media, the target database) and its own copies.
class FillJob {
public:
    FillJob(FillRequest request, DatabaseStore& store, SoftwareSources sources, Sha1Cache known);

    // Backs up, reads what an appended database holds, scans, and writes the database: a new or
    // overwritten one is written beside the old and put in its place at the end, an appended one
    // gets its new lines at the end, checked again against what the database holds by then. The
    // backup and the write hold the base directory's lock; the scan does not. Stopped or failed,
    // no database changes. Only message() of
    // notices is called (M_ERR_NO_CORVANE_DB), from the running thread.
    void run(FillProgress& progress, Prompter& notices, const TextSource& texts);

    const FillRequest& request() const { return request_; }
    // Done, NothingDone when stopped, BackupFailed, FileError, or Busy when another writer kept
    // the base directory locked.
    OperationResult result() const { return result_; }
    const FillScan& scan() const { return scan_; }
    // Adds to the database's profiles rather than replacing them.
    bool appends() const;

private:
    bool readExisting(DatabaseFill& fill);
    OperationResult write(DatabaseFill& fill);

    FillRequest request_;
    DatabaseStore& store_;
    std::string path_;
    SoftwareSources sources_;
    Sha1Cache known_;
    OperationResult result_ = OperationResult::NothingDone;
    FillScan scan_;
};

// What the user reads after a fill.
struct FillReport {
    OperationResult result = OperationResult::NothingDone;
    std::string message;  // the completion message, once the database was written
    // How many folders and media were passed over because they could not be read (or named in
    // a database line), as a sentence; empty when none were.
    std::string notReadMessage;
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

    // Takes what the job needs from the owner's state.
    FillJob prepare(FillRequest request, const SoftwareSources& sources);

    // On the owner's thread once the job has run. After a completed run the target is the
    // current database.
    FillReport finish(const FillJob& job);

private:
    DatabaseStore& store_;
    Favorites& favorites_;
    Sha1Cache& cache_;
    const TextSource& texts_;
};

}  // namespace corvane
