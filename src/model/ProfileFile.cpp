// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ProfileFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <utility>

#include <unistd.h>

#include "common/AtomicFile.h"
#include "common/DirectoryListing.h"
#include "common/FileStamp.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "model/AppendJournal.h"
#include "model/DatabaseFiles.h"
#include "model/DatabaseName.h"
#include "model/Game.h"
#include "model/RenameJournal.h"

namespace corvane {

namespace {

// How often progress is told, in lines: often enough for the bar, rarely enough to cost nothing.
constexpr int kReportEvery = 64;

using Result = RewriteOutcome::Result;

// Shows a rewrite's progress but keeps the reading going after a cancel: the profiles not
// changed yet are still written as they were.
class ReadToTheEnd final : public Progress {
public:
    explicit ReadToTheEnd(Progress& shown) : shown_(shown) {}
    void setRange(std::int64_t total) override { shown_.setRange(total); }
    void setPosition(std::int64_t done) override { shown_.setPosition(done); }
    void setStatus(const std::string& text) override { shown_.setStatus(text); }
    void setDetail(const std::string& text) override { shown_.setDetail(text); }
    bool cancelled() const override { return false; }

private:
    Progress& shown_;
};

// One pass of a rewrite: reads the database and writes the changed profiles to out. Once the
// user cancelled, the change is given only the profiles it was given before the cancel.
struct Pass {
    Result result = Result::Done;
    int changed = 0;
    int profiles = 0;
    int considered = 0;  // profiles given to the change, counted from the first
    bool stopped = false;
};

Pass rewritePass(const std::string& path, AtomicFileWriter& out, const ProfileFile::Change& change,
                 Progress& progress, std::optional<int> changeOnly) {
    Pass pass;
    int visited = 0;
    ReadToTheEnd reading(progress);
    const ReadResult read = forEachProfile(
        path,
        [&](const ProfileLine& line) {
            const bool changeIt = changeOnly ? visited < *changeOnly : !progress.cancelled();
            if (!changeIt && !changeOnly && !pass.stopped) {
                pass.stopped = true;
                pass.considered = visited;
            }
            ++visited;
            if (changeIt) {
                Game game = line.profile();
                if (change(game)) {
                    ++pass.changed;
                    out.writeLine(game.ToLine());
                    return true;
                }
            }
            out.writeLine(line.bytes);
            return true;
        },
        reading);
    pass.profiles = visited;
    if (!pass.stopped)
        pass.considered = visited;
    if (read == ReadResult::Missing)
        pass.result = Result::Missing;
    else if (read != ReadResult::Done || !out.isOpen())
        pass.result = Result::FileError;
    return pass;
}

// Makes every media field naming a moved file name its new path, under the lock. Moves whose old
// and new paths are both in no profile could not be followed.
struct Followed {
    bool written = false;
    bool allFollowed = true;
};

Followed followMoves(const std::string& path, const RenameJournal::Moves& moves) {
    Followed followed;
    if (moves.empty()) {
        followed.written = true;
        return followed;
    }
    std::map<std::string, size_t, std::less<>> from;
    std::map<std::string, size_t, std::less<>> to;
    for (size_t i = 0; i < moves.size(); ++i) {
        from.emplace(moves[i].first, i);
        to.emplace(moves[i].second, i);
    }
    std::vector<bool> seen(moves.size(), false);
    bool anyMoved = false;
    AtomicFileWriter out(path);
    const ReadResult read = forEachProfile(path, [&](const ProfileLine& line) {
        Game game = line.profile();
        bool moved = false;
        for (std::string Game::*field : kMediaFileFields) {
            if (const auto there = to.find(game.*field); there != to.end())
                seen[there->second] = true;
            if (const auto found = from.find(game.*field); found != from.end()) {
                seen[found->second] = true;
                game.*field = moves[found->second].second;
                moved = true;
            }
        }
        out.writeLine(moved ? std::string_view(game.ToLine()) : line.bytes);
        anyMoved = anyMoved || moved;
        return true;
    });
    if (read == ReadResult::Missing) {
        followed.written = true;
        return followed;
    }
    // A database that follows every move already (a run killed just before removing its
    // journal) is left as it is; the abandoned writer takes its temporary file away.
    followed.written = read == ReadResult::Done && (!anyMoved || out.commit());
    followed.allFollowed = std::ranges::all_of(seen, [](bool b) { return b; });
    return followed;
}

// Completes a rename run that was cut short: the renames that were made (the old file gone, the
// new one there) are written into the database. The journal goes only when every one was.
bool completeRenames(const std::string& databasePath) {
    const RenameJournal journal(databasePath);
    if (!journal.exists())
        return true;
    const std::optional<RenameJournal::Moves> planned = journal.read();
    if (!planned)
        return false;
    RenameJournal::Moves made;
    for (const auto& [from, to] : *planned)
        if (!fileExists(from) && fileExists(to))
            made.emplace_back(from, to);
    const Followed followed = followMoves(databasePath, made);
    if (!followed.written)
        return false;
    // A journal whose renames no profile shows either way is kept for whoever can tell more.
    return !followed.allFollowed || journal.remove();
}

}  // namespace

std::string_view ProfileLine::name() const {
    return profileNameOfLine(bytes);
}

Game ProfileLine::profile() const {
    Game game;
    game.FromLine(bytes);
    return game;
}

ReadResult forEachProfile(const std::string& path, const ProfileVisitor& visitor,
                          Progress& progress) {
    LineReader reader(path);
    if (!reader.isOpen())
        return reader.missing() ? ReadResult::Missing : ReadResult::Unreadable;
    const std::optional<FileStamp> stamp = fileStamp(path);
    progress.setRange(stamp ? stamp->size : 0);
    std::int64_t done = 0;
    int lines = 0;
    std::string line;
    while (reader.next(line)) {
        done += static_cast<std::int64_t>(line.size()) + 2;
        if (line.empty())
            continue;
        if (progress.cancelled())
            return ReadResult::Stopped;
        if (!visitor(ProfileLine{line}))
            return ReadResult::Done;
        if (++lines % kReportEvery == 0)
            progress.setPosition(stamp ? std::min<std::int64_t>(done, stamp->size) : 0);
    }
    if (reader.failed())
        return ReadResult::Unreadable;
    if (stamp)
        progress.setPosition(stamp->size);
    return ReadResult::Done;
}

ReadResult forEachProfile(const std::string& path, const ProfileVisitor& visitor) {
    NoProgress none;
    return forEachProfile(path, visitor, none);
}

ReadResult probeProfiles(const std::string& path) {
    return forEachProfile(path, [](const ProfileLine&) { return false; });
}

ProfileFile::ProfileFile(std::string directory, LockWait lockWait)
    : directory_(std::move(directory)), lockWait_(std::move(lockWait)) {}

std::string ProfileFile::path(const std::string& name) const {
    return databaseFilePath(directory_, name);
}

RewriteOutcome ProfileFile::rewrite(const std::string& name, bool backup, const Change& change,
                                    Progress& progress) const {
    RewriteOutcome outcome;
    const std::string file = path(name);
    std::optional<FileStamp> read = fileStamp(file);
    if (!read) {
        outcome.result = Result::Missing;
        return outcome;
    }
    std::optional<AtomicFileWriter> out;
    out.emplace(file, AtomicFileWriter::Publish::Replace, AtomicFileWriter::Temporary::Private);
    Pass pass = rewritePass(file, *out, change, progress, std::nullopt);
    if (pass.result != Result::Done) {
        outcome.result = pass.result;
        return outcome;
    }
    const DirectoryLock lock(directory_, lockWait_);
    if (!lock.held()) {
        outcome.result = lock.busy() ? Result::Busy : Result::FileError;
        return outcome;
    }
    if (!settle(file))
        return outcome;
    // What was changed must replace exactly what was read, not what another writer put there
    // meanwhile: then the file as it is now is read and changed again, the lock kept.
    if (fileStamp(file) != read) {
        const bool stopped = pass.stopped;
        const int changeOnly = pass.considered;
        out.emplace(file, AtomicFileWriter::Publish::Replace, AtomicFileWriter::Temporary::Private);
        NoProgress again;
        pass = rewritePass(file, *out, change, again,
                           stopped ? changeOnly : std::numeric_limits<int>::max());
        pass.stopped = stopped;
        if (pass.result != Result::Done) {
            outcome.result = pass.result;
            return outcome;
        }
    }
    outcome.changed = pass.changed;
    outcome.profiles = pass.profiles;
    std::string backupMade;
    if (backup && backupDatabaseFile(directory_, name, &backupMade) != BackupResult::Done) {
        outcome.result = Result::BackupFailed;
        return outcome;
    }
    // A failed write leaves every file as it was: no backup of a database that did not change.
    if (!out->commit()) {
        if (!backupMade.empty())
            ::unlink(backupMade.c_str());
        return outcome;
    }
    outcome.result = pass.stopped ? Result::Stopped : Result::Done;
    return outcome;
}

bool ProfileFile::append(const std::string& databasePath,
                         std::span<const std::string> lines) const {
    const DirectoryLock lock(directory_, lockWait_);
    if (!lock.held() || !settle(databasePath))
        return false;
    const AppendJournal journal(databasePath);
    if (!lines.empty() && !journal.begin())
        return false;
    const bool appended = appendLines(databasePath, lines);
    // A journal left behind only cuts back what is not there; a failed append cut itself back.
    journal.end();
    return appended;
}

bool ProfileFile::settle(const std::string& databasePath) {
    return AppendJournal(databasePath).undo() && completeRenames(databasePath);
}

void ProfileFile::settleDirectory(const std::string& directory,
                                  std::span<const std::string_view> otherFiles) {
    for (const std::string& file :
         listRegularFiles(directory).value_or(std::vector<std::string>{})) {
        if (!file.ends_with(".tmp"))
            continue;
        const std::string_view stem = std::string_view(file).substr(0, file.size() - 4);
        // name.db.tmp, name.db.renames.tmp, name.db.PID-N.tmp and the journals' own.
        const bool ofDatabase = stem.find(".db") != std::string_view::npos;
        if (ofDatabase || std::ranges::find(otherFiles, stem) != otherFiles.end())
            removeIfAbandoned(joinPath(directory, file));
    }
    for (const std::string& file : databaseFilesIn(directory))
        settle(joinPath(directory, file));
}

}  // namespace corvane
