// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace corvane::crash {

// One operation that writes files, as the harness runs it.
struct CrashOperation {
    using Prepare = std::function<void(const std::string& base)>;
    using Run = std::function<std::string(const std::string& base)>;

    CrashOperation(std::string name, Prepare prepare, Run run, std::string fullDiskKey,
                   std::string readOnlyKey, std::vector<std::string> backedUp = {})
        : name(std::move(name)),
          prepare(std::move(prepare)),
          run(std::move(run)),
          fullDiskKey(std::move(fullDiskKey)),
          readOnlyKey(std::move(readOnlyKey)),
          backedUp(std::move(backedUp)) {}

    std::string name;
    // Lays out the state before the operation in the base directory, which exists and is empty.
    // It gives the same bytes every time, so that a trial can be compared with one unkilled run.
    Prepare prepare;
    // Runs the operation through the code the window or corvane-cli runs, in a child process,
    // and gives the message the user reads afterwards (empty when there is none).
    Run run;
    // The catalogue key of the message when the files cannot be written (a full disk, a
    // read-only folder); empty when the operation writes no bytes, only renames or deletes, so
    // that a full disk does not stop it.
    std::string fullDiskKey;
    // The catalogue key of the message when the folder is read-only.
    std::string readOnlyKey;
    // The databases whose numbered backups the operation makes.
    std::vector<std::string> backedUp;
    // The rename tool: profiles follow their files only after the launcher's recovery.
    bool renamesMedia = false;
    // The move saves one profile after the other into its target, each save whole: a disk that
    // fills on the way leaves the target with the profiles saved before, still in the source too.
    bool savesEachProfile = false;
    // A file the operation makes in the base directory just before a short write (an append's
    // journal): the kills are aimed from its appearance into that write. Empty: from the run's
    // first write.
    std::string killFrom;
};

std::vector<CrashOperation> crashOperations();

}  // namespace corvane::crash
