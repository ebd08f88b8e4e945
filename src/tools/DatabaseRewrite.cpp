// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DatabaseRewrite.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "common/AtomicFile.h"
#include "common/FileStamp.h"
#include "common/LineReader.h"
#include "common/Progress.h"
#include "common/Prompter.h"
#include "common/TextSource.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

namespace {

// The store is used for its backup only, which neither asks nor tells anything.
class Unheard final : public Prompter, public TextSource {
public:
    std::string text(std::string_view key) const override { return std::string(key); }
    void message(const std::string&, MessageKind) override {}
    bool confirm(const std::string&) override { return false; }
    bool confirmDestructive(const std::string&) override { return false; }
    MultiAnswer multiConfirm(const std::string&) override { return MultiAnswer::Cancel; }
};

using Result = RewriteOutcome::Result;

// How often progress is told, in lines: often enough for the bar, rarely enough to cost nothing.
constexpr int kReportEvery = 64;

}  // namespace

DatabaseRewrite::DatabaseRewrite(std::string directory, LockWait lockWait)
    : directory_(std::move(directory)), lockWait_(std::move(lockWait)) {}

RewriteOutcome DatabaseRewrite::rewrite(const std::string& name, bool backup, const Change& change,
                                        Progress& progress) const {
    RewriteOutcome outcome;
    const std::string path = databaseFilePath(directory_, name);
    const std::optional<FileStamp> read = fileStamp(path);
    LineReader reader(path);
    if (!read || !reader.isOpen())
        return outcome;

    progress.setRange(read->size);
    std::vector<std::string> lines;
    std::int64_t done = 0;
    bool stopped = false;
    std::string line;
    while (reader.next(line)) {
        done =
            std::min<std::int64_t>(done + static_cast<std::int64_t>(line.size()) + 2, read->size);
        if (line.empty())
            continue;
        stopped = stopped || progress.cancelled();
        if (!stopped) {
            Game game;
            game.FromLine(line);
            if (change(game)) {
                line = game.ToLine();
                ++outcome.changed;
            }
        }
        lines.push_back(std::move(line));
        if (lines.size() % kReportEvery == 0)
            progress.setPosition(done);
    }
    if (reader.failed())
        return outcome;
    progress.setPosition(read->size);
    outcome.profiles = static_cast<int>(lines.size());

    const DirectoryLock lock(directory_, lockWait_);
    if (!lock.held()) {
        outcome.result = lock.busy() ? Result::Busy : Result::FileError;
        return outcome;
    }
    // What was changed must replace exactly what was read, not what another writer put there.
    if (fileStamp(path) != read) {
        outcome.result = Result::Busy;
        return outcome;
    }
    if (backup) {
        Unheard unheard;
        DatabaseStore store(directory_, unheard, unheard);
        store.setLockWait(lockWait_);
        if (store.backupDatabase(name) != BackupResult::Done) {
            outcome.result = Result::BackupFailed;
            return outcome;
        }
    }
    AtomicFileWriter out(path);
    for (const std::string& kept : lines)
        out.writeLine(kept);
    if (!out.commit())
        return outcome;
    outcome.result = stopped ? Result::Stopped : Result::Done;
    return outcome;
}

}  // namespace corvane
