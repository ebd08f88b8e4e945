// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeEmulator.h"

#include <sys/stat.h>

#include <filesystem>
#include <thread>

#include "common/Path.h"

namespace corvane::test {

namespace {

constexpr std::string_view kEndOfCall = "--- end of call ---";

// Written to a temporary file and moved, so a reader never sees half a call.
std::string recorderScript(const std::string& log) {
    return "tmp=\"" + log +
           ".$$\"\n"
           "{\n"
           "  printf '%s\\000' \"$(pwd -P)\" \"$0\"\n"
           "  for a in \"$@\"; do printf '%s\\000' \"$a\"; done\n"
           "  printf '%s\\000' '" +
           std::string(kEndOfCall) +
           "'\n"
           "} > \"$tmp\"\n"
           "/bin/cat \"$tmp\" >> \"" +
           log +
           "\"\n"
           "/bin/rm -f \"$tmp\"\n";
}

}  // namespace

std::string writeScript(const TempDir& dir, std::string_view name, std::string_view body) {
    const std::string path = dir.write(name, std::string("#!/bin/sh\n") + std::string(body));
    ::chmod(path.c_str(), 0755);
    return path;
}

FakeEmulator::FakeEmulator() {
    addProgram("Corvane");
    std::filesystem::create_directories(dir_.file("Machines/Shared Roms"));
    std::filesystem::create_directories(dir_.file("Databases"));
    std::filesystem::create_directories(dir_.file("Screenshots"));
}

std::string FakeEmulator::executable() const {
    return dir_.file("Corvane");
}

std::string FakeEmulator::addProgram(std::string_view relativePath) const {
    return writeScript(dir_, relativePath, recorderScript(dir_.file("calls.log")));
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
        const std::string log = readFile(dir_.file("calls.log"));
        std::vector<std::string> fields;
        for (size_t begin = 0, end; (end = log.find('\0', begin)) != std::string::npos;
             begin = end + 1) {
            fields.emplace_back(log, begin, end - begin);
            if (fields.back() != kEndOfCall)
                continue;
            Call call;
            call.workingDirectory = fields.at(0);
            call.program = fields.at(1);
            call.arguments.assign(fields.begin() + 2, fields.end() - 1);
            calls.push_back(std::move(call));
            fields.clear();
        }
        if (calls.size() >= count || std::chrono::steady_clock::now() >= deadline)
            return calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace corvane::test
