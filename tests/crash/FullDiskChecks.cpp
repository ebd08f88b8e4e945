// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/FullDiskChecks.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>

#include "crash/ChildRun.h"
#include "i18n/LanguageManager.h"
#include "support/ChildProcess.h"

namespace corvane::crash {

namespace {

namespace fs = std::filesystem;

std::string catalogueText(const std::string& key) {
    LanguageManager languages;
    languages.setLanguage(0);
    return languages.text(key);
}

// The smallest file the operation writes: a file whose content no file had before.
size_t smallestWrite(const OperationStates& states) {
    std::set<std::string> before;
    for (const auto& [path, bytes] : states.before)
        before.insert(bytes);
    size_t smallest = 0;
    for (const auto& [path, bytes] : states.after)
        if (!bytes.empty() && !before.contains(bytes) && (smallest == 0 || bytes.size() < smallest))
            smallest = bytes.size();
    return smallest;
}

void compare(const CrashOperation& operation, const OperationStates& states,
             const std::string& expectedMessage, const std::string& message,
             const DirectorySnapshot& before, const DirectorySnapshot& after,
             std::vector<std::string>& failures) {
    if (message != expectedMessage)
        failures.push_back("the message \"" + message + "\" instead of \"" + expectedMessage +
                           "\"");
    for (const auto& [path, bytes] : after) {
        const auto old = before.find(path);
        const auto fresh = states.after.find(path);
        if (operation.savesEachProfile && old != before.end() && fresh != states.after.end() &&
            path.ends_with(".db") && wholeLinesAppended(old->second, fresh->second, bytes))
            continue;
        if (old == before.end())
            failures.push_back("not as before: added: " + path);
        else if (old->second != bytes)
            failures.push_back("not as before: changed: " + path);
    }
    for (const auto& [path, bytes] : before)
        if (!after.contains(path))
            failures.push_back("not as before: missing: " + path);
}

void setWritable(const std::string& base, bool writable) {
    std::error_code error;
    fs::permissions(base, writable ? fs::perms(0755) : fs::perms(0555), error);
    for (fs::recursive_directory_iterator it(base, error), end; !error && it != end;
         it.increment(error)) {
        const bool folder = it->is_directory(error);
        fs::perms mode = folder ? fs::perms(0555) : fs::perms(0444);
        if (writable)
            mode = folder ? fs::perms(0755) : fs::perms(0644);
        fs::permissions(it->path(), mode, error);
    }
}

// Runs the operation in a child that denies it what prepare sets up, and gives its message.
std::string messageOf(const CrashOperation& operation, const std::string& base,
                      const std::function<bool(const std::function<bool()>&)>& inChild) {
    int ends[2];
    if (::pipe(ends) != 0)
        return "(no pipe)";
    inChild([&] {
        ::close(ends[0]);
        const std::string message = operation.run(base);
        return ::write(ends[1], message.data(), message.size()) ==
               static_cast<ssize_t>(message.size());
    });
    ::close(ends[1]);
    std::string message;
    char buffer[4096];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<size_t>(n));
    ::close(ends[0]);
    return message;
}

FullDiskOutcome fileSizeLimit(const CrashOperation& operation, const OperationStates& states,
                              const std::string& base, const std::function<void()>& lay) {
    FullDiskOutcome outcome{"file size limit", {}, {}};
    const size_t smallest = smallestWrite(states);
    if (operation.fullDiskKey.empty() || smallest == 0) {
        outcome.skipped = "it writes no file content";
        return outcome;
    }
    lay();
    const DirectorySnapshot before = takeSnapshot(base);
    // Half-way through its smallest file, every write of the operation runs out of room.
    const off_t limit = static_cast<off_t>(std::max<size_t>(1, smallest / 2));
    const std::string message = messageOf(operation, base, [limit](const auto& check) {
        return test::passesWithFileSizeLimit(limit, check);
    });
    compare(operation, states, catalogueText(operation.fullDiskKey), message, before,
            takeSnapshot(base), outcome.failures);
    return outcome;
}

FullDiskOutcome unwritableFolder(const CrashOperation& operation, const OperationStates& states,
                                 const std::string& base, const std::function<void()>& lay) {
    FullDiskOutcome outcome{"unwritable folder", {}, {}};
    lay();
    const DirectorySnapshot before = takeSnapshot(base);
    setWritable(base, false);
    const std::string message = messageOf(
        operation, base, [](const auto& check) { return test::passesObeyingPermissions(check); });
    setWritable(base, true);
    compare(operation, states, catalogueText(operation.readOnlyKey), message, before,
            takeSnapshot(base), outcome.failures);
    return outcome;
}

// In a child of its own mount namespace, so that the tmpfs is gone with it: the base directory
// becomes a tmpfs holding the state before, then too small or read-only, and the operation runs
// there. The child reports "skipped: why" or one failure a line.
FullDiskOutcome onTmpfs(const CrashOperation& operation, const OperationStates& states,
                        const std::string& base, const std::function<void()>& lay, bool readOnly) {
    FullDiskOutcome outcome{readOnly ? "read-only tmpfs" : "small tmpfs", {}, {}};
    const size_t smallest = smallestWrite(states);
    if (!readOnly && (operation.fullDiskKey.empty() || smallest == 0)) {
        outcome.skipped = "it writes no file content";
        return outcome;
    }
    lay();
    const ChildEnd end = runInChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0)
            return std::string("skipped: no mount namespace: ") + std::strerror(errno);
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", base.c_str(), "tmpfs", 0, "size=256m") != 0)
            return std::string("skipped: cannot mount a tmpfs: ") + std::strerror(errno);
        lay();
        const DirectorySnapshot before = takeSnapshot(base);
        struct statvfs space {};
        ::statvfs(base.c_str(), &space);
        const unsigned long used = (space.f_blocks - space.f_bfree) * space.f_frsize;
        // Room for half of the smallest file the operation writes.
        const unsigned long size = used + smallest / 2;
        const std::string options = "size=" + std::to_string(size);
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        if (::mount("tmpfs", base.c_str(), "tmpfs", flags, readOnly ? nullptr : options.c_str()) !=
            0)
            return std::string("skipped: cannot remount the tmpfs: ") + std::strerror(errno);
        const std::string message = operation.run(base);
        std::vector<std::string> failures;
        compare(operation, states,
                catalogueText(readOnly ? operation.readOnlyKey : operation.fullDiskKey), message,
                before, takeSnapshot(base), failures);
        std::string report;
        for (const std::string& failure : failures)
            report += failure + "\n";
        return report;
    });
    if (!end.exited) {
        outcome.failures.push_back("the child did not end normally");
        return outcome;
    }
    std::istringstream lines(end.message);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("skipped: "))
            outcome.skipped = line.substr(9);
        else
            outcome.failures.push_back(line);
    }
    return outcome;
}

// When each folder below base was last changed: a rename in it changes that.
std::map<std::string, fs::file_time_type> folderTimes(const std::string& base) {
    std::map<std::string, fs::file_time_type> times;
    std::error_code error;
    for (fs::recursive_directory_iterator it(base, error), end; !error && it != end;
         it.increment(error))
        if (it->is_directory(error))
            times.emplace(it->path().string(), it->last_write_time(error));
    return times;
}

// The rename tool with room for its journal and its renames but not for its database: it must
// rename every file back, so that the files and the profiles agree, and say it could not write.
FullDiskOutcome databaseUnwritable(const CrashOperation& operation, const OperationStates& states,
                                   const std::string& base, const std::function<void()>& lay) {
    FullDiskOutcome outcome{"database too big", {}, {}};
    size_t largest = 0;
    for (const auto& [path, bytes] : states.after)
        if (path.ends_with(".db") && states.before.contains(path) &&
            states.before.at(path) != bytes)
            largest = std::max(largest, bytes.size());
    if (largest == 0) {
        outcome.skipped = "it writes no database";
        return outcome;
    }
    lay();
    const DirectorySnapshot before = takeSnapshot(base);
    const auto timesBefore = folderTimes(base);
    const off_t limit = static_cast<off_t>(largest - 1);
    const std::string message = messageOf(operation, base, [limit](const auto& check) {
        return test::passesWithFileSizeLimit(limit, check);
    });
    compare(operation, states, catalogueText(operation.fullDiskKey), message, before,
            takeSnapshot(base), outcome.failures);
    if (folderTimes(base) == timesBefore)
        outcome.failures.push_back("no file was renamed, so none was renamed back");
    return outcome;
}

}  // namespace

std::vector<FullDiskOutcome> fullDiskChecks(const CrashOperation& operation,
                                            const OperationStates& states, const std::string& base,
                                            const std::function<void()>& lay) {
    std::vector<FullDiskOutcome> outcomes{fileSizeLimit(operation, states, base, lay),
                                          onTmpfs(operation, states, base, lay, false),
                                          onTmpfs(operation, states, base, lay, true),
                                          unwritableFolder(operation, states, base, lay)};
    if (operation.renamesMedia)
        outcomes.push_back(databaseUnwritable(operation, states, base, lay));
    return outcomes;
}

}  // namespace corvane::crash
