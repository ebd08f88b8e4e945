// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the real launcher process (offscreen, unless QT_QPA_PLATFORM names a platform): how
// long until its window shows the filled list and until the emulator's software databases are
// indexed, with a 100,000-profile database and with software databases of 24,000 entries
// (about 12.8 MB), against a start with an empty database and no emulator folder measured in the
// same run.
//
// The launcher writes those moments to the file named by CORVANE_STARTUP_REPORT, one
// "<event> <steady-clock nanoseconds>" line each, and quits once the list is shown and the index
// is in place. The steady clock is the system's monotonic one, shared with this process.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "BenchSupport.h"
#include "support/FakeEmulator.h"
#include "support/TempDir.h"

extern char** environ;

namespace {

constexpr int kProfiles = 100000;
constexpr int kSoftwareFiles = 3;
constexpr int kSoftwarePerFile = 8000;
constexpr int kRuns = 7;

using Clock = std::chrono::steady_clock;

std::string sha(unsigned n) {
    char text[41];
    std::snprintf(text, sizeof text, "%08x%032x", 0x5eed0000U ^ (n * 2654435761U), n);
    return text;
}

// Shaped like the emulator's own files: every third software has a second cartridge dump, every
// fifth a tape release of two tapes in a group, every seventh a disk.
std::string softwareDatabase(int file, unsigned& nextHash) {
    const auto hash = [&nextHash] { return "<hash algo=\"sha1\">" + sha(nextHash++) + "</hash>"; };
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<softwaredb>\n";
    for (int i = 0; i < kSoftwarePerFile; ++i) {
        const int n = file * kSoftwarePerFile + i;
        const std::string number = std::to_string(n);
        xml += "  <software>\n    <title>Software title " + number +
               "</title>\n    <system>MSX</system>\n    <company>Company " +
               std::to_string(n % 300) + "</company>\n    <year>19" + std::to_string(83 + n % 15) +
               "</year>\n    <country>JP</country>\n";
        xml +=
            "    <dump>\n      <original value=\"true\">GoodMSX</original>\n      <megarom>\n"
            "        <type>Konami</type>\n        " +
            hash() + "\n";
        if (n % 4 == 0)
            xml += "        <remark><text>Needs the extra memory</text></remark>\n";
        xml += "      </megarom>\n    </dump>\n";
        if (n % 3 == 0)
            xml += "    <dump>\n      <rom>\n        <start>0x4000</start>\n        " + hash() +
                   "\n      </rom>\n    </dump>\n";
        if (n % 5 == 0)
            xml += "    <dump>\n      <group>\n        <cas>\n          <format type=\"cas\">" +
                   hash() +
                   "</format>\n          <start><command>RUN\"CAS:\"</command></start>\n"
                   "        </cas>\n        <cas>\n          <format type=\"cas\">" +
                   hash() + "</format>\n        </cas>\n      </group>\n    </dump>\n";
        if (n % 7 == 0)
            xml += "    <dump>\n      <dsk>\n        <format type=\"dsk\">" + hash() +
                   "</format>\n      </dsk>\n    </dump>\n";
        xml += "  </software>\n";
    }
    return xml + "</softwaredb>\n";
}

std::string profileDatabase() {
    std::string text;
    for (int i = 0; i < kProfiles; ++i) {
        text += corvane::bench::loadProfileLine(i, kProfiles) + "\r\n";
    }
    return text;
}

// A base directory whose settings name the database and the emulator folder (empty for none).
struct BaseDirectory {
    corvane::test::TempDir dir;
    BaseDirectory(const std::string& emulatorPath, const std::string& database) {
        dir.write("settings.ini", emulatorPath + "\r\n\r\nGames\r\n");
        dir.write("Games.db", database);
    }
};

// Seconds from starting the process to each reported event.
using Moments = std::map<std::string, double>;

// Starts the launcher in the base directory and waits for it to quit by itself.
std::optional<Moments> startOnce(const std::string& baseDirectory, const std::string& runtime) {
    const std::string report = runtime + "/startup-report";
    std::filesystem::remove(report);
    std::vector<std::string> variables;
    const char* const replaced[] = {
        "QT_QPA_PLATFORM=", "CORVANE_STARTUP_REPORT=", "XDG_RUNTIME_DIR=", "TMPDIR="};
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable(*entry);
        if (std::none_of(std::begin(replaced), std::end(replaced),
                         [&](const char* name) { return variable.starts_with(name); }))
            variables.push_back(variable);
    }
    // Offscreen unless the run names a platform (xcb under Xvfb shows a display's costs).
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    variables.push_back(std::string("QT_QPA_PLATFORM=") + (platform ? platform : "offscreen"));
    variables.push_back("CORVANE_STARTUP_REPORT=" + report);
    // A private runtime folder, so a launcher running on this machine is not the one activated.
    variables.push_back("XDG_RUNTIME_DIR=" + runtime);
    variables.push_back("TMPDIR=" + runtime);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string program = CORVANE_LAUNCHER_EXE;
    char* argv[] = {program.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, baseDirectory.c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return std::nullopt;
    int status = 0;
    const auto deadline = start + std::chrono::minutes(2);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    std::ifstream in(report);
    Moments moments;
    std::string event;
    long long nanoseconds = 0;
    const long long started =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    while (in >> event >> nanoseconds)
        moments[event] = static_cast<double>(nanoseconds - started) * 1e-9;
    return moments;
}

// The fastest of a few starts, event by event.
std::optional<Moments> bestOf(const std::string& baseDirectory, const std::string& runtime) {
    Moments best;
    for (int run = 0; run < kRuns; ++run) {
        const std::optional<Moments> moments = startOnce(baseDirectory, runtime);
        if (!moments || !moments->contains("listed") || !moments->contains("indexed"))
            return std::nullopt;
        for (const auto& [event, seconds] : *moments)
            if (!best.contains(event) || seconds < best[event])
                best[event] = seconds;
    }
    return best;
}

std::optional<double> moment(const std::optional<Moments>& moments, const char* event) {
    if (!moments || !moments->contains(event))
        return std::nullopt;
    return moments->at(event);
}

void print(const char* label, const std::optional<Moments>& moments) {
    if (!moments) {
        std::printf("%-34s FAILED\n", label);
        return;
    }
    std::printf("%-34s", label);
    for (const char* event : {"shown", "listed", "indexed"})
        if (const std::optional<double> seconds = moment(moments, event))
            std::printf("  %s %7.1f ms", event, *seconds * 1e3);
    std::printf("\n");
}

}  // namespace

int main() {
    const corvane::test::TempDir runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);

    const BaseDirectory empty("", "");
    const BaseDirectory profiles("", profileDatabase());
    corvane::test::FakeEmulator emulator;
    unsigned nextHash = 0;
    std::uintmax_t softwareBytes = 0;
    for (int file = 0; file < kSoftwareFiles; ++file) {
        const std::string path = emulator.addDatabase(
            "softwaredb" + std::to_string(file + 1) + ".xml", softwareDatabase(file, nextHash));
        softwareBytes += std::filesystem::file_size(path);
    }
    const BaseDirectory software(emulator.path(), "");

    std::printf("best of %d starts of %s\n", kRuns, CORVANE_LAUNCHER_EXE);
    const std::optional<Moments> reference = bestOf(empty.dir.path(), runtime.path());
    print("empty database, no emulator", reference);
    const std::optional<Moments> big = bestOf(profiles.dir.path(), runtime.path());
    const std::string bigLabel = std::to_string(kProfiles) + " profiles";
    print(bigLabel.c_str(), big);
    const std::optional<Moments> indexed = bestOf(software.dir.path(), runtime.path());
    char softwareLabel[80];
    std::snprintf(softwareLabel, sizeof softwareLabel, "%d software entries (%.1f MB)",
                  kSoftwareFiles * kSoftwarePerFile, static_cast<double>(softwareBytes) / 1e6);
    print(softwareLabel, indexed);

    // The reference is the whole empty start: its window with its (empty) list.
    using corvane::bench::printRatio;
    const std::optional<double> emptyStart = moment(reference, "listed");
    printRatio("window shown, 100,000 profiles / empty start", moment(big, "shown"), emptyStart, 2);
    printRatio("window shown, 24,000 software entries / empty start", moment(indexed, "shown"),
               emptyStart, 2);
    printRatio("list shown, 100,000 profiles / empty start", moment(big, "listed"), emptyStart);
    printRatio("list shown, 24,000 software entries / empty start", moment(indexed, "listed"),
               emptyStart);
    printRatio("index built, 24,000 software entries / empty start", moment(indexed, "indexed"),
               emptyStart);
    return reference && big && indexed ? 0 : 1;
}
