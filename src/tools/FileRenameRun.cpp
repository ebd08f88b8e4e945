// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileRenameRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <map>
#include <set>

#include "common/AtomicFile.h"
#include "common/DirectoryListing.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "model/Game.h"
#include "tools/RenameJournal.h"

namespace corvane {

namespace {

using Moves = std::map<std::string, std::string, std::less<>>;

constexpr std::string Game::*kMediaFields[] = {
    &Game::slot1File, &Game::slot2File,       &Game::diskAFile,         &Game::diskBFile,
    &Game::tapeFile,  &Game::hardDiskPrimary, &Game::hardDiskSecondary,
};

// A rename is durable only once its folder is on disk; the database must not get there first.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Rewrites the database so that every media field naming a moved file names its new path.
// Lines without such a field are kept as they were. A missing database has nothing to follow.
bool followMoves(const std::string& databasePath, const Moves& moves) {
    LineReader reader(databasePath);
    if (!reader.isOpen())
        return reader.missing();
    std::vector<std::string> lines;
    bool changed = false;
    std::string line;
    while (reader.next(line)) {
        if (line.empty()) {
            changed = true;
            continue;
        }
        Game game;
        game.FromLine(line);
        bool moved = false;
        for (std::string Game::*field : kMediaFields)
            if (const auto found = moves.find(game.*field); found != moves.end()) {
                game.*field = found->second;
                moved = true;
            }
        lines.push_back(moved ? game.ToLine() : line);
        changed = changed || moved;
    }
    if (reader.failed())
        return false;
    if (!changed)
        return true;
    AtomicFileWriter out(databasePath);
    for (const std::string& kept : lines)
        out.writeLine(kept);
    return out.commit();
}

}  // namespace

RenameRunResult runRenames(const std::string& databasePath,
                           const std::vector<PlannedRename>& renames, const RenameFile& rename,
                           std::vector<bool>& done) {
    done.assign(renames.size(), false);
    if (renames.empty())
        return RenameRunResult::Done;
    const RenameJournal journal(databasePath);
    if (!journal.write(renames))
        return RenameRunResult::JournalFailed;
    Moves moves;
    std::set<std::string> folders;
    for (size_t i = 0; i < renames.size(); ++i) {
        done[i] = rename(renames[i].from, renames[i].to);
        if (done[i]) {
            moves.emplace(renames[i].from, renames[i].to);
            const std::string_view folder = parentPath(renames[i].to);
            folders.emplace(folder.empty() ? std::string_view(".") : folder);
        }
    }
    for (const std::string& folder : folders)
        syncFolder(folder);
    if (!followMoves(databasePath, moves))
        return RenameRunResult::DatabaseFailed;
    journal.remove();
    return RenameRunResult::Done;
}

RecoveryResult recoverRenames(const std::string& databasePath) {
    const RenameJournal journal(databasePath);
    if (!journal.exists())
        return RecoveryResult::NothingToDo;
    const std::optional<std::vector<RenameJournal::Move>> planned = journal.read();
    if (!planned)
        return RecoveryResult::Failed;
    // A planned name was free when planned and is never another file's old name, so a file
    // there with the old one gone is the file renamed.
    Moves made;
    for (const auto& [from, to] : *planned)
        if (!fileExists(from) && fileExists(to))
            made.emplace(from, to);
    if (!followMoves(databasePath, made) || !journal.remove())
        return RecoveryResult::Failed;
    return RecoveryResult::Completed;
}

bool recoverInterruptedRenames(const std::string& directory) {
    const std::string_view journalEnd = RenameJournal::kSuffix;
    bool all = true;
    for (const std::string& name :
         listRegularFiles(directory).value_or(std::vector<std::string>{})) {
        if (!name.ends_with(journalEnd))
            continue;
        const std::string database = name.substr(0, name.size() - journalEnd.size());
        if (IsDatabaseFile(database) &&
            recoverRenames(joinPath(directory, database)) == RecoveryResult::Failed)
            all = false;
    }
    return all;
}

}  // namespace corvane
