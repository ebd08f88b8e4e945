// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/CorvaneDBEntry.h"
#include "emulator/SoftwareSources.h"
#include "media/Sha1Cache.h"
#include "tools/LauncherSha1Search.h"
#include "tools/SoftwareDbSha1Search.h"

namespace corvane {

class DatabaseStore;
class Progress;
class TextSource;

enum class Sha1Target { Launcher, Emulator };

// What the SHA1 Center is asked: a request{} is its state when it opens.
struct Sha1CenterRequest {
    std::string path;
    // Find rather than Calculate.
    bool find = false;
    Sha1Target target = Sha1Target::Launcher;
};

// One Calculate or Find: hashes the file and, for Find, searches. Holds only values and the
// software files already read, so it can run on a worker thread.
class Sha1CenterJob {
public:
    Sha1CenterJob(Sha1CenterRequest request, std::string directory,
                  std::vector<std::string> databases, Sha1Cache known,
                  std::unique_ptr<SoftwareDbSha1Search> software, std::string status);

    void run(Progress& progress);

    const Sha1CenterRequest& request() const { return request_; }
    // Lower case; empty when the file could not be read or the hashing was stopped.
    const std::string& sha1() const { return sha1_; }
    bool stopped() const { return stopped_; }
    const LauncherSearchResult& launcher() const { return launcher_; }
    const SoftwareSearchResult& software() const { return softwareResult_; }
    std::unique_ptr<SoftwareDbSha1Search> takeSoftware() { return std::move(software_); }

private:
    Sha1CenterRequest request_;
    std::string directory_;
    std::vector<std::string> databases_;
    Sha1Cache known_;
    std::unique_ptr<SoftwareDbSha1Search> software_;
    std::string status_;
    std::string sha1_;
    bool stopped_ = false;
    LauncherSearchResult launcher_;
    SoftwareSearchResult softwareResult_;
};

// What the window does once a job has run.
struct Sha1CenterOutcome {
    // The SHA-1 field's new text; none: it keeps its text.
    std::optional<std::string> shownSha1;
    // A launcher hit: the user is asked whether to go to it.
    std::optional<LauncherHit> profile;
    // An emulator hit, to show in the properties view.
    std::optional<CorvaneDBEntry> entry;
    // Searched to the end without a hit: the information to show.
    std::string notFound;
    // A launcher database could not be read: the error to show, in place of any finding.
    std::string error;
};

// The SHA1 Center as the window and the command line use it. The software files read by one
// search serve the next ones for as long as the operation lives.
class Sha1CenterOperation {
public:
    Sha1CenterOperation(DatabaseStore& store, Sha1Cache& cache, SoftwareSources sources,
                        const TextSource& texts);
    ~Sha1CenterOperation();

    // Takes what the job needs from the owner's state.
    Sha1CenterJob prepare(Sha1CenterRequest request);
    // The catalogue key of what the progress window tells while the request runs.
    static const char* progressTitleKey(const Sha1CenterRequest& request);

    // On the owner's thread: keeps the SHA-1s the search computed and says what to show.
    Sha1CenterOutcome finish(Sha1CenterJob& job);

private:
    DatabaseStore& store_;
    Sha1Cache& cache_;
    SoftwareSources sources_;
    const TextSource& texts_;
    std::unique_ptr<SoftwareDbSha1Search> software_;
};

}  // namespace corvane
