// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/OperationResult.h"
#include "app/ToolReport.h"
#include "common/AtomicFile.h"
#include "common/DirectoryLock.h"
#include "common/FileStamp.h"
#include "emulator/SoftwareSources.h"
#include "tools/FileRenameRequest.h"
#include "tools/FileRenameRun.h"

namespace corvane {

class DatabaseStore;
class Game;
class Progress;
class TextSource;

// What the user reads after a run: the two counts and the profiles with a file not renamed,
// each once, in database order.
struct RenameTotals {
    size_t renamed = 0;
    size_t notRenamed = 0;
    std::vector<std::string> listed;
};

// One run of Rename Files with all it needs, so that it can run on a worker thread: it holds
// only values and touches only files (the media, the journal, the database).
class RenameJob {
public:
    // directory is the base directory; rename makes one rename (replaced by tests).
    RenameJob(FileRenameRequest request, std::string directory, LockWait lockWait,
              SoftwareSources sources, RenameFile rename);

    // First completes any earlier run that was cut short, then reads the database, decides the
    // new names (hashing and looking titles up for the title rule), and renames under the base
    // directory's lock with the database following. Cancel stops the deciding: the files of the
    // profiles decided so far are renamed and the database follows them. The files of a profile
    // another program changed since the reading are left alone and counted as not renamed.
    void run(Progress& progress);

    // Done (also after Cancel), FileError when the database could not be read or rewritten (a
    // journal then keeps what was renamed for the next run), Busy when another writer kept the
    // base directory locked.
    OperationResult result() const { return result_; }
    const RenameTotals& totals() const { return totals_; }
    bool stopped() const { return stopped_; }
    const std::vector<std::string>& noticeKeys() const { return noticeKeys_; }

private:
    void renameUnderLock(const std::vector<Game>& profiles, const RenamePlan& plan);

    FileRenameRequest request_;
    std::string directory_;
    LockWait lockWait_;
    std::string path_;
    std::optional<FileStamp> planned_;  // the database as it was read for the plan
    SoftwareSources sources_;
    RenameFile rename_;
    OperationResult result_ = OperationResult::NothingDone;
    RenameTotals totals_;
    bool stopped_ = false;
    std::vector<std::string> noticeKeys_;
};

// Rename Files as the window and the command line use it.
class RenameOperation {
public:
    RenameOperation(DatabaseStore& store, const TextSource& texts);

    // The catalogue key of the first reason the request cannot run; none when it can.
    std::optional<std::string> refusal(const FileRenameRequest& request);

    // The databases there are now, and the current one.
    std::vector<std::string> databaseNames();
    const std::string& currentDatabase() const;

    RenameJob prepare(FileRenameRequest request, const SoftwareSources& sources,
                      RenameFile rename = renameWithoutReplacing) const;

    // On the owner's thread once the job has run: the notices met, and the failure if any. The
    // totals are the job's to show.
    ToolReport finish(const RenameJob& job) const;

private:
    DatabaseStore& store_;
    const TextSource& texts_;
};

}  // namespace corvane
