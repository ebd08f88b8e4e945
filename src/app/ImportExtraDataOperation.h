// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/OperationResult.h"
#include "app/ToolReport.h"
#include "common/DirectoryLock.h"
#include "media/Sha1Cache.h"
#include "model/Game.h"
#include "tools/ExtraDataImportRequest.h"
#include "tools/ImportExtraDataHandler.h"

namespace corvane {

class DatabaseStore;
class Progress;
class TextSource;

// One import of extra data with all it needs, so that it can run on a worker thread: it holds
// only values and touches only files (the extra data, the media, the databases and backups).
class ImportExtraDataJob {
public:
    // databases are the names the request reaches, in order; directory is the base directory;
    // listed, when not empty, the profiles the request names as the user saw them.
    ImportExtraDataJob(ExtraDataImportRequest request, std::vector<std::string> databases,
                       std::string directory, LockWait lockWait, Sha1Cache known,
                       std::vector<Game> listed = {});

    // Reads the extra data and imports it, database by database.
    void run(Progress& progress);

    // Done also after a cancel, since the databases reached by then were written; FileError when
    // the extra data could not be read or a database not written, BackupFailed, Busy, or
    // ChangedElsewhere when a listed profile is no longer so in its database.
    OperationResult result() const { return result_; }
    const ExtraDataImportOutcome& outcome() const { return outcome_; }

private:
    ExtraDataImportRequest request_;
    std::vector<std::string> databases_;
    std::string directory_;
    LockWait lockWait_;
    Sha1Cache known_;
    std::vector<Game> listed_;
    OperationResult result_ = OperationResult::NothingDone;
    ExtraDataImportOutcome outcome_;
};

// Import Extra Profile Data and Set Extra Data as the windows and the command line use them.
class ImportExtraDataOperation {
public:
    ImportExtraDataOperation(DatabaseStore& store, Sha1Cache& cache, const TextSource& texts);

    // The catalogue key of the reason the request cannot run; none when it can.
    std::optional<std::string> refusal(const ExtraDataImportRequest& request);

    // The databases to choose from, read from the folder again; and the current one.
    std::vector<std::string> databaseNames();
    const std::string& currentDatabase() const;

    // Set Extra Data: the selected profiles as the main window listed them. A run then writes
    // nothing when another program changed one of them in the file since.
    void actOnListed(std::vector<Game> listed) { listed_ = std::move(listed); }

    ImportExtraDataJob prepare(ExtraDataImportRequest request);

    // On the owner's thread once the job has run: keeps what was hashed, and after a run that
    // wrote its databases tells how many profiles were updated.
    ToolReport finish(const ImportExtraDataJob& job);

private:
    DatabaseStore& store_;
    Sha1Cache& cache_;
    const TextSource& texts_;
    std::vector<Game> listed_;
};

}  // namespace corvane
