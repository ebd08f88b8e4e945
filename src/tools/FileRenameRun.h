// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/RenameJournal.h"
#include "tools/FileRenamePlan.h"

namespace corvane {

// Renames one file; false when it was not renamed. Never replaces an existing file.
using RenameFile = std::function<bool(const std::string& from, const std::string& to)>;

enum class RenameRunResult {
    Done,
    JournalFailed,  // nothing was renamed
    // The database could not follow: the renames were undone (done is all false then), or,
    // where even that failed, the journal stays for the next writer to complete.
    DatabaseFailed,
};

// The journal's form of a plan.
RenameJournal::Moves movesOf(const std::vector<PlannedRename>& renames);

// Carries out a plan for the database so that a kill at any moment leaves every profile
// pointing at an existing file once recoverRenames has run: the journal is written first, then
// the files are renamed, their folders flushed, the database rewritten with the new paths, and
// the journal removed. done tells, per planned rename, whether it was made. The caller holds the
// base directory's lock.
RenameRunResult runRenames(const std::string& databasePath,
                           const std::vector<PlannedRename>& renames, const RenameFile& rename,
                           std::vector<bool>& done);

enum class RecoveryResult {
    NothingToDo,  // no journal
    Completed,    // the database follows the renames that were made; the journal is gone
    Failed,       // the journal or the database could not be read or written: both are kept
};

// Completes a run that was cut short: the renames that were made (the old file gone, the new one
// there) are written into the database, the others are dropped. Harmless after a complete run.
RecoveryResult recoverRenames(const std::string& databasePath);

}  // namespace corvane
