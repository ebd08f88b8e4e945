// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeEmulator.h"

#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "common/Path.h"

namespace corvane::test {

namespace {
constexpr std::string_view kEndOfCall = "--- end of call ---";
}

std::string writeScript(const TempDir& dir, std::string_view name, std::string_view body) {
    const std::string path = dir.write(name, std::string("#!/bin/sh\n") + std::string(body));
    ::chmod(path.c_str(), 0755);
    return path;
}

FakeEmulator::FakeEmulator() {
    // Written to a temporary file and moved, so a reader never sees half a call.
    const std::string log = dir_.file("calls.log");
    writeScript(dir_, "Corvane",
                "tmp=\"" + log +
                    ".$$\"\n"
                    "pwd -P > \"$tmp\"\n"
                    "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$tmp\"; done\n"
                    "printf '%s\\n' '" +
                    std::string(kEndOfCall) +
                    "' >> \"$tmp\"\n"
                    "cat \"$tmp\" >> \"" +
                    log +
                    "\"\n"
                    "rm -f \"$tmp\"\n");
    std::filesystem::create_directories(dir_.file("Machines/Shared Roms"));
    std::filesystem::create_directories(dir_.file("Databases"));
    std::filesystem::create_directories(dir_.file("Screenshots"));
}

std::string FakeEmulator::executable() const {
    return dir_.file("Corvane");
}

std::string FakeEmulator::write(std::string_view relativePath, std::string_view bytes) const {
    return dir_.write(relativePath, bytes);
}

void FakeEmulator::addMachine(std::string_view name, std::string_view config) const {
    dir_.write("Machines/" + std::string(name) + "/config.ini", config);
}

std::string FakeEmulator::addSharedRom(std::string_view name) const {
    return dir_.write("Machines/Shared Roms/" + std::string(name), "ROM");
}

std::string FakeEmulator::addDatabase(std::string_view fileName, std::string_view xml) const {
    return dir_.write("Databases/" + std::string(fileName), xml);
}

void FakeEmulator::removeDatabasesDirectory() const {
    std::filesystem::remove_all(dir_.file("Databases"));
}

std::vector<FakeEmulator::Call> FakeEmulator::waitForCalls(
    size_t count, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        std::vector<Call> calls;
        std::istringstream in(readFile(dir_.file("calls.log")));
        std::string line;
        Call current;
        bool haveDirectory = false;
        while (std::getline(in, line)) {
            if (!haveDirectory) {
                current.workingDirectory = line;
                haveDirectory = true;
            } else if (line == kEndOfCall) {
                calls.push_back(std::move(current));
                current = {};
                haveDirectory = false;
            } else {
                current.arguments.push_back(line);
            }
        }
        if (calls.size() >= count || std::chrono::steady_clock::now() >= deadline)
            return calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace corvane::test
