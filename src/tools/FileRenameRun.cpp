// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileRenameRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <set>

#include "common/AtomicFile.h"
#include "common/Path.h"
#include "model/ProfileFile.h"
#include "model/RenameJournal.h"

namespace corvane {

namespace {

// A rename is durable only once its folder is on disk; the database must not get there first.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

RenameJournal::Moves movesOf(const std::vector<PlannedRename>& renames) {
    RenameJournal::Moves moves;
    for (const PlannedRename& rename : renames)
        moves.emplace_back(rename.from, rename.to);
    return moves;
}

RenameRunResult runRenames(const std::string& databasePath,
                           const std::vector<PlannedRename>& renames, const RenameFile& rename,
                           std::vector<bool>& done) {
    done.assign(renames.size(), false);
    if (renames.empty())
        return RenameRunResult::Done;
    const RenameJournal journal(databasePath);
    if (!journal.write(movesOf(renames)))
        return RenameRunResult::JournalFailed;
    std::set<std::string> folders;
    for (size_t i = 0; i < renames.size(); ++i) {
        done[i] = rename(renames[i].from, renames[i].to);
        if (done[i]) {
            const std::string_view folder = parentPath(renames[i].to);
            folders.emplace(folder.empty() ? std::string_view(".") : folder);
        }
    }
    for (const std::string& folder : folders)
        syncFolder(folder);
    if (ProfileFile::settle(databasePath) && !journal.exists())
        return RenameRunResult::Done;
    // The database cannot follow (a full disk): the files go back, so that the two agree again.
    bool allBack = true;
    for (size_t i = renames.size(); i-- > 0;)
        if (done[i])
            allBack = renameWithoutReplacing(renames[i].to, renames[i].from) && allBack;
    for (const std::string& folder : folders)
        syncFolder(folder);
    if (allBack) {
        journal.remove();
        done.assign(renames.size(), false);
    }
    return RenameRunResult::DatabaseFailed;
}

RecoveryResult recoverRenames(const std::string& databasePath) {
    const RenameJournal journal(databasePath);
    if (!journal.exists())
        return RecoveryResult::NothingToDo;
    // A journal whose renames no profile shows either way stays (settle keeps it) without
    // holding up the run: the next run's journal takes its place.
    return ProfileFile::settle(databasePath) ? RecoveryResult::Completed : RecoveryResult::Failed;
}

}  // namespace corvane
