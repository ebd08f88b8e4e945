// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <vector>

#include "crash/CrashOperation.h"
#include "crash/DirectorySnapshot.h"

namespace corvane::crash {

// The files before an operation and after one run of it that nothing interrupted, with the
// databases the store listed in each.
struct OperationStates {
    DirectorySnapshot before;
    DirectorySnapshot after;
    std::set<std::string> listedBefore;
    std::set<std::string> listedAfter;
};

enum class TrialState { Old, New, Between };

struct TrialCheck {
    TrialState state = TrialState::Old;
    // The kill caught a write in the act: it left a temporary file, or an append part done.
    bool midWrite = false;
    // A database ended in a part line, its append's journal beside it.
    bool tornLine = false;
    std::vector<std::string> failures;  // "what: file"
};

// found is old with some of the lines that fresh appends to it, each whole.
bool wholeLinesAppended(const std::string& old, const std::string& fresh, const std::string& found);

// The databases the store lists in the base directory, as a window would show them.
std::set<std::string> listedDatabases(const std::string& base);

// What a kill left in the base directory: every file its old or its new content, whole (a
// database may end in a part of the lines appended while the append's journal is beside it); the
// databases' lines ending CR LF; new backups equal to what they backed up; no other file listed
// as a database; nothing lost that both states hold. Then the launcher's start is run (in a
// child), which must leave no journal and no temporary file of a database, and every database
// old, new or old with whole lines appended, each profile listed a whole line of one of them.
// After the rename tool every profile must then name an existing file.
TrialCheck checkAfterKill(const CrashOperation& operation, const OperationStates& states,
                          const std::string& base);

// The files that differ between two states, each with how: "changed", "missing", "added".
std::vector<std::string> differences(const DirectorySnapshot& expected,
                                     const DirectorySnapshot& found);

}  // namespace corvane::crash
