// SPDX-License-Identifier: GPL-3.0-or-later
// Kills every operation that writes files at random moments and checks what it leaves, then
// runs each with its writes failing. Exit status 1 when any check failed.
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "crash/ChildRun.h"
#include "crash/CrashChecks.h"
#include "crash/CrashOperation.h"
#include "crash/FullDiskChecks.h"

using namespace corvane::crash;

namespace {

namespace fs = std::filesystem;

struct Options {
    unsigned long seed = 24;
    int trials = 20;
    std::string only;
    bool fullDisk = true;
};

struct Row {
    std::string name;
    int trials = 0;
    int killed = 0;
    int midWrite = 0;
    int ended = 0;
    int old = 0;
    int fresh = 0;
    int between = 0;
    int torn = 0;
    int failures = 0;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue)
            options.seed = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--trials" && hasValue)
            options.trials = std::atoi(argv[++i]);
        else if (arg == "--only" && hasValue)
            options.only = argv[++i];
        else if (arg == "--no-full-disk")
            options.fullDisk = false;
        else
            return false;
    }
    return options.trials >= 0;
}

// The state before the operation, made by the operation's own preparation once and written back
// before every run.
void lay(const std::string& base, const DirectorySnapshot& before) {
    writeSnapshot(base, before);
}

// Thousands of small files are made for every trial: on a tmpfs that is quick. A kill leaves the
// page cache as it leaves a disk, so the checks hold the same. Root mounts one private to this
// process, which leaves nothing behind; others use the shared memory folder where there is one.
// The folder made is returned, and whether it is a mount of its own.
std::string workFolder(bool& mounted) {
    const char* tmp = std::getenv("TMPDIR");
    std::string root = std::string(tmp && *tmp ? tmp : "/tmp") + "/corvane-crash-XXXXXX";
    if (!::mkdtemp(root.data()))
        return {};
    mounted = ::unshare(CLONE_NEWNS) == 0 &&
              ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
              ::mount("tmpfs", root.c_str(), "tmpfs", 0, "size=2g") == 0;
    if (mounted)
        return root;
    std::string shared = "/dev/shm/corvane-crash-XXXXXX";
    if (!::mkdtemp(shared.data())) {
        std::printf("working on disk, slowly: no tmpfs to work in\n");
        return root;
    }
    ::rmdir(root.c_str());
    return shared;
}

void fail(Row& row, const std::string& where, const std::string& what) {
    ++row.failures;
    std::printf("FAILED %s, %s: %s\n", row.name.c_str(), where.c_str(), what.c_str());
}

// When the kills fall, in seconds from the fork: from the unkilled run's first write to a little
// past its end, so that most land while it writes rather than while it reads. For an operation
// that names the file made before its short write, in seconds from that file's appearance to a
// little past its removal.
struct KillWindow {
    double firstWrite = 0;
    double end = 0;
};

// How long the file the operation names is there: the shortest of a few unkilled runs, as a busy
// machine stretches some and can hide a short write from others.
bool timeFileSpan(const CrashOperation& operation, const std::string& base,
                  const OperationStates& states, KillWindow& window) {
    std::optional<double> shortest;
    for (int run = 0; run < 5; ++run) {
        lay(base, states.before);
        const ChildEnd end = runInChild([&] { return operation.run(base); }, std::nullopt,
                                        {base, operation.killFrom});
        if (end.firstChange && end.watchedGone)
            shortest =
                std::min(shortest.value_or(end.seconds), *end.watchedGone - *end.firstChange);
    }
    window.firstWrite = 0;
    window.end = shortest.value_or(0);
    return shortest.has_value();
}

// One unkilled run: its end state, or nothing when it did not succeed.
bool referenceRun(const CrashOperation& operation, const std::string& base, Row& row,
                  OperationStates& states, KillWindow& window) {
    writeSnapshot(base, {});
    operation.prepare(base);
    states.before = takeSnapshot(base);
    states.listedBefore = listedDatabases(base);
    const ChildEnd end = runInChild([&] { return operation.run(base); }, std::nullopt, {base, {}});
    if (!end.exited || !end.message.empty()) {
        fail(row, "unkilled run", "it failed: " + end.message);
        return false;
    }
    states.after = takeSnapshot(base);
    states.listedAfter = listedDatabases(base);
    // The end state must be one the checks accept, and the same on every run.
    for (const std::string& failure : checkAfterKill(operation, states, base).failures)
        fail(row, "unkilled run", failure);
    lay(base, states.before);
    // Timed again unwatched; the first write is taken at the same share of the run.
    const ChildEnd again = runInChild([&] { return operation.run(base); });
    window.end = again.seconds;
    window.firstWrite =
        std::min(end.firstChange.value_or(0), end.seconds) / end.seconds * again.seconds;
    for (const std::string& difference : differences(states.after, takeSnapshot(base)))
        fail(row, "second unkilled run", "not the same end: " + difference);
    if (!operation.killFrom.empty() && !timeFileSpan(operation, base, states, window))
        fail(row, "unkilled runs", "none was seen to make and remove " + operation.killFrom);
    return row.failures == 0;
}

Row killTrials(const CrashOperation& operation, const std::string& base, const Options& options,
               OperationStates& states) {
    Row row{operation.name};
    KillWindow window;
    if (!referenceRun(operation, base, row, states, window))
        return row;
    std::mt19937_64 random(options.seed ^ std::hash<std::string>{}(operation.name));
    std::uniform_real_distribution<double> moment(
        window.firstWrite, window.firstWrite + 1.2 * (window.end - window.firstWrite));
    for (int trial = 1; trial <= options.trials; ++trial) {
        lay(base, states.before);
        const double killAfter = moment(random);
        const ChildEnd end = runInChild([&] { return operation.run(base); },
                                        KillMoment{killAfter, base, operation.killFrom});
        ++row.trials;
        row.killed += end.killed ? 1 : 0;
        row.ended += end.killed ? 0 : 1;
        const TrialCheck check = checkAfterKill(operation, states, base);
        row.midWrite += check.midWrite ? 1 : 0;
        row.old += check.state == TrialState::Old ? 1 : 0;
        row.fresh += check.state == TrialState::New ? 1 : 0;
        row.between += check.state == TrialState::Between ? 1 : 0;
        row.torn += check.tornLine ? 1 : 0;
        char where[96];
        std::snprintf(where, sizeof where, "trial %d (kill after %.1f ms)", trial,
                      killAfter * 1000);
        for (const std::string& failure : check.failures)
            fail(row, where, failure);
    }
    if (operation.killFrom.empty())
        std::printf("%-26s %5.0f ms unkilled, writing from %.0f ms, %d trials\n",
                    operation.name.c_str(), window.end * 1000, window.firstWrite * 1000,
                    row.trials);
    else
        std::printf("%-26s %5.1f ms while %s is there, %d trials\n", operation.name.c_str(),
                    window.end * 1000, operation.killFrom.c_str(), row.trials);
    return row;
}

int fullDisk(const CrashOperation& operation, const OperationStates& states,
             const std::string& base) {
    int failures = 0;
    for (const FullDiskOutcome& outcome :
         fullDiskChecks(operation, states, base, [&] { lay(base, states.before); })) {
        if (!outcome.skipped.empty()) {
            std::printf("%-26s %-18s skipped: %s\n", operation.name.c_str(), outcome.mode.c_str(),
                        outcome.skipped.c_str());
            continue;
        }
        for (const std::string& failure : outcome.failures)
            std::printf("FAILED %s, %s: %s\n", operation.name.c_str(), outcome.mode.c_str(),
                        failure.c_str());
        failures += static_cast<int>(outcome.failures.size());
        if (outcome.failures.empty())
            std::printf("%-26s %-18s ok\n", operation.name.c_str(), outcome.mode.c_str());
    }
    return failures;
}

void printTable(const std::vector<Row>& rows) {
    std::printf("\n%-26s %6s %6s %9s %5s %5s %5s %7s %4s %8s\n", "operation", "trials", "killed",
                "mid-write", "ended", "old", "new", "between", "torn", "failures");
    for (const Row& r : rows)
        std::printf("%-26s %6d %6d %9d %5d %5d %5d %7d %4d %8d\n", r.name.c_str(), r.trials,
                    r.killed, r.midWrite, r.ended, r.old, r.fresh, r.between, r.torn, r.failures);
    std::printf(
        "killed: before the end; mid-write: of the trials, those whose kill left a temporary\n"
        "file or an append part done; ended: before the kill; between: each file old or new,\n"
        "not all of one; torn: a database left ending in a part line, which the next start cut\n"
        "off. After every trial the launcher's start is run and must leave whole lines only.\n");
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: crash_harness [--trials N] [--seed N] [--only OPERATION] "
                     "[--no-full-disk]\n");
        return 2;
    }
    bool mounted = false;
    const std::string root = workFolder(mounted);
    if (root.empty()) {
        std::perror("cannot make a folder to work in");
        return 1;
    }
    std::vector<Row> rows;
    int failures = 0;
    bool found = false;
    for (const CrashOperation& operation : crashOperations()) {
        if (!options.only.empty() && operation.name != options.only)
            continue;
        found = true;
        const std::string base = root + "/base";
        OperationStates states;
        rows.push_back(killTrials(operation, base, options, states));
        failures += rows.back().failures;
        if (options.fullDisk && rows.back().failures == 0)
            failures += fullDisk(operation, states, base);
        std::fflush(stdout);
    }
    if (mounted)
        ::umount2(root.c_str(), MNT_DETACH);
    std::error_code error;
    fs::remove_all(root, error);
    if (!found) {
        std::fprintf(stderr, "no operation named '%s'\n", options.only.c_str());
        return 2;
    }
    printTable(rows);
    std::printf("%d failures\n", failures);
    return failures == 0 ? 0 : 1;
}
