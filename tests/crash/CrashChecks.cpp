// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashChecks.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string_view>

#include "common/Path.h"
#include "crash/ChildRun.h"
#include "crash/CrashSession.h"
#include "model/AppendJournal.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"
#include "model/RenameJournal.h"

namespace corvane::crash {

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A database of the base directory itself, not a file below it.
bool isDatabaseFile(const std::string& path) {
    return path.find('/') == std::string::npos && endsWith(path, ".db");
}

bool linesEndCrLf(const std::string& bytes) {
    if (!bytes.empty() && !endsWith(bytes, "\r\n"))
        return false;
    for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
        if (at == 0 || bytes[at - 1] != '\r')
            return false;
    return true;
}

const std::string* find(const DirectorySnapshot& files, const std::string& path) {
    const auto it = files.find(path);
    return it == files.end() ? nullptr : &it->second;
}

// What an interrupted writer may leave beside its file, an append's journal, and the rename
// tool's journal, which the launcher's recovery reads.
bool leftOverAllowed(const CrashOperation& operation, const std::string& path) {
    return endsWith(path, ".tmp") || endsWith(path, AppendJournal::kSuffix) ||
           (operation.renamesMedia && endsWith(path, RenameJournal::kSuffix));
}

// What no writer may leave once the launcher has started: a database's temporary file (its
// own, a private one, a journal's) or an append's journal. Only a live writer's may be there.
bool settledAway(const std::string& path) {
    return path.find('/') == std::string::npos &&
           ((endsWith(path, ".tmp") && path.find(".db") != std::string::npos) ||
            endsWith(path, AppendJournal::kSuffix));
}

// found is a database that an append killed in the write may have left: the old content and
// part of what the append wrote, with the journal that lets the next start cut it back.
bool cutAppend(const DirectorySnapshot& now, const std::string& path, const std::string* old,
               const std::string* fresh, const std::string& found) {
    return fresh && isDatabaseFile(path) && now.contains(path + AppendJournal::kSuffix) &&
           found.starts_with(old ? *old : std::string()) && fresh->starts_with(found);
}

void checkEachFile(const CrashOperation& operation, const OperationStates& states,
                   const DirectorySnapshot& now, TrialCheck& check) {
    std::set<std::string> paths;
    for (const DirectorySnapshot* files : {&states.before, &states.after, &now})
        for (const auto& [path, bytes] : *files)
            paths.insert(path);
    bool allOld = true;
    bool allNew = true;
    for (const std::string& path : paths) {
        const std::string* old = find(states.before, path);
        const std::string* fresh = find(states.after, path);
        const std::string* found = find(now, path);
        if (!found && !old && !fresh)
            continue;
        const bool isOld = found ? (old && *old == *found) : !old;
        const bool isNew = found ? (fresh && *fresh == *found) : !fresh;
        // An append writes whole lines one at a time: a kill leaves the old lines and some of
        // the new ones, each whole.
        const bool appended = found && old && fresh && !isOld && !isNew && isDatabaseFile(path) &&
                              wholeLinesAppended(*old, *fresh, *found);
        const bool cut = found && !isOld && !isNew && cutAppend(now, path, old, fresh, *found);
        if (found && !old && !fresh) {
            if (leftOverAllowed(operation, path))
                check.midWrite = true;
            else
                check.failures.push_back("a file neither state has: " + path);
            continue;
        }
        check.midWrite = check.midWrite || appended || cut;
        if (!isOld && !isNew && !appended && !cut)
            check.failures.push_back(found ? "neither its old nor its new content: " + path
                                           : "missing: " + path);
        allOld = allOld && isOld;
        allNew = allNew && isNew;
        if (found && isDatabaseFile(path) && !linesEndCrLf(*found)) {
            if (cut)
                check.tornLine = true;
            else
                check.failures.push_back("a line not ending CR LF: " + path);
        }
    }
    check.state = allOld ? TrialState::Old : allNew ? TrialState::New : TrialState::Between;
}

void checkBackups(const CrashOperation& operation, const OperationStates& states,
                  const DirectorySnapshot& now, TrialCheck& check) {
    for (const std::string& database : operation.backedUp) {
        const std::string* original = find(states.before, database + ".db");
        const std::regex backup(database + "_[0-9]+\\.db");
        for (const auto& [path, bytes] : now) {
            if (!std::regex_match(path, backup) || states.before.contains(path))
                continue;
            if (!original || bytes != *original)
                check.failures.push_back("a backup that differs from its database: " + path);
        }
    }
}

void checkListing(const OperationStates& states, const DirectorySnapshot& now,
                  const std::string& base, TrialCheck& check) {
    for (const std::string& file : listedDatabases(base)) {
        if (!states.listedBefore.contains(file) && !states.listedAfter.contains(file))
            check.failures.push_back("listed as a database: " + file);
        else if (!now.contains(file))
            check.failures.push_back("listed but not there: " + file);
    }
}

// A file both states hold under whatever name (a renamed database, a renamed medium) must
// still be somewhere.
void checkNothingLost(const OperationStates& states, const DirectorySnapshot& now,
                      TrialCheck& check) {
    std::set<std::string> before;
    for (const auto& [path, bytes] : states.before)
        before.insert(bytes);
    std::set<std::string> present;
    for (const auto& [path, bytes] : now)
        present.insert(bytes);
    for (const auto& [path, bytes] : states.after)
        if (!bytes.empty() && before.contains(bytes) && !present.contains(bytes))
            check.failures.push_back("lost: the content of " + path);
}

void checkProfilesNameFiles(const std::string& base, const std::string& path, TrialCheck& check) {
    for (const Game& game : DatabaseStore::readProfiles(joinPath(base, path)))
        for (const std::string* file :
             {&game.slot1File, &game.slot2File, &game.diskAFile, &game.diskBFile, &game.tapeFile})
            if (!file->empty() && !std::filesystem::exists(*file))
                check.failures.push_back("after the recovery, " + game.name +
                                         " names a missing file: " + *file);
}

// Each profile the list shows is a whole line of the database's old or new content.
void checkListedLines(const std::string& base, const std::string& path, const std::string* old,
                      const std::string* fresh, TrialCheck& check) {
    std::set<std::string_view> lines;
    for (const std::string* bytes : {old, fresh}) {
        for (size_t at = 0; bytes && at < bytes->size();) {
            const size_t end = std::min(bytes->find("\r\n", at), bytes->size());
            lines.insert(std::string_view(*bytes).substr(at, end - at));
            at = end + 2;
        }
    }
    forEachProfile(joinPath(base, path), [&](const ProfileLine& line) {
        if (lines.contains(line.bytes))
            return true;
        check.failures.push_back("after the start, a profile that is no whole line: " + path);
        return false;
    });
}

void checkSettled(const CrashOperation& operation, const OperationStates& states,
                  const std::string& base, TrialCheck& check) {
    // The launcher's start, which settles what killed writers left; in a child, as it may start
    // threads.
    const ChildEnd start = runInChild([&base] {
        CrashSession session(base);
        return std::string();
    });
    if (!start.exited) {
        check.failures.push_back("the start did not end: " + base);
        return;
    }
    for (const auto& [path, bytes] : takeSnapshot(base)) {
        if (settledAway(path) || endsWith(path, RenameJournal::kSuffix))
            check.failures.push_back("left after the start: " + path);
        if (!isDatabaseFile(path))
            continue;
        if (!linesEndCrLf(bytes))
            check.failures.push_back("after the start, a line not ending CR LF: " + path);
        if (operation.renamesMedia) {
            // The recovery made the profiles follow their files: a mix of old and new lines.
            checkProfilesNameFiles(base, path, check);
            continue;
        }
        const std::string* old = find(states.before, path);
        const std::string* fresh = find(states.after, path);
        if (!old && !fresh)
            continue;
        if ((!old || bytes != *old) && (!fresh || bytes != *fresh) &&
            !(old && fresh && wholeLinesAppended(*old, *fresh, bytes)))
            check.failures.push_back(
                "after the start, neither old nor new nor old with whole "
                "lines appended: " +
                path);
        checkListedLines(base, path, old, fresh, check);
    }
}

}  // namespace

bool wholeLinesAppended(const std::string& old, const std::string& fresh,
                        const std::string& found) {
    return found.starts_with(old) && fresh.starts_with(found) && linesEndCrLf(found);
}

std::set<std::string> listedDatabases(const std::string& base) {
    DatabaseStore store(base);
    const std::vector<std::string>& list = store.databaseList();
    return {list.begin(), list.end()};
}

TrialCheck checkAfterKill(const CrashOperation& operation, const OperationStates& states,
                          const std::string& base) {
    const DirectorySnapshot now = takeSnapshot(base);
    TrialCheck check;
    checkEachFile(operation, states, now, check);
    checkBackups(operation, states, now, check);
    checkListing(states, now, base, check);
    checkNothingLost(states, now, check);
    checkSettled(operation, states, base, check);
    return check;
}

std::vector<std::string> differences(const DirectorySnapshot& expected,
                                     const DirectorySnapshot& found) {
    std::vector<std::string> out;
    for (const auto& [path, bytes] : expected) {
        const std::string* now = find(found, path);
        if (!now)
            out.push_back("missing: " + path);
        else if (*now != bytes)
            out.push_back("changed: " + path);
    }
    for (const auto& [path, bytes] : found)
        if (!expected.contains(path))
            out.push_back("added: " + path);
    return out;
}

}  // namespace corvane::crash
