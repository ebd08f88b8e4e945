// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/ToolReport.h"
#include "common/DirectoryLock.h"
#include "model/ProfileFile.h"

namespace corvane {

class DatabaseStore;
class Progress;
class TextSource;

// What Adjust Relative Path is asked to do: the leading folder all media paths share, as found
// when the window opened, and the folder that takes its place.
struct AdjustPathsRequest {
    std::string current;
    std::string newFolder;
    bool backup = false;
};

// One run over every database, holding only values so that it can run on a worker thread.
class AdjustPathsJob {
public:
    AdjustPathsJob(AdjustPathsRequest request, std::string directory, LockWait lockWait,
                   std::vector<std::string> databases);

    // Rewrites the databases in order, each one wholly: a Cancel takes effect between two
    // databases, and the first that fails ends the run, leaving it and the later ones untouched.
    // One that cannot be opened fails the run before any database is rewritten.
    void run(Progress& progress);

    // The databases rewritten, in order.
    const std::vector<std::string>& done() const { return done_; }
    // The database that could not be opened, failing the run before any was rewritten.
    const std::string& unreadable() const { return unreadable_; }
    // Done when every database was rewritten, Stopped after a Cancel, else why one failed.
    RewriteOutcome::Result result() const { return result_; }
    int profiles() const { return profiles_; }

private:
    AdjustPathsRequest request_;
    std::string directory_;
    LockWait lockWait_;
    std::vector<std::string> databases_;
    std::vector<std::string> done_;
    std::string unreadable_;
    RewriteOutcome::Result result_ = RewriteOutcome::Result::Done;
    int profiles_ = 0;
};

// Adjust Relative Path as the window and the command line use it.
class AdjustPathsOperation {
public:
    AdjustPathsOperation(DatabaseStore& store, const TextSource& texts);

    // The leading folder that every considered media path of every database shares, with a
    // trailing separator; empty when they share none. A database that is there but cannot be
    // read leaves it unknown: then nothing may be adjusted.
    struct CurrentPath {
        std::string path;
        std::string unreadable;  // the database that could not be read; empty when all were
    };
    CurrentPath currentRelativePath();
    // The error the user reads when the current relative path is unknown.
    std::string unreadableText(const CurrentPath& current) const;

    // The catalogue key of the first reason the request cannot run; none when it can. An empty
    // current relative path is refused: the new folder would go in front of every path.
    std::optional<std::string> refusal(const AdjustPathsRequest& request) const;

    AdjustPathsJob prepare(AdjustPathsRequest request);

    // On the owner's thread once the job has run. After a failure or a Cancel, the report names
    // the databases that were rewritten.
    ToolReport finish(const AdjustPathsJob& job);

private:
    std::string doneText(const AdjustPathsJob& job) const;

    DatabaseStore& store_;
    const TextSource& texts_;
};

}  // namespace corvane
