// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::fuzz {

// One temporary folder for the whole process, made on first use and removed at exit: every
// input reuses it, so a long run neither slows down nor leaves files behind.
const std::string& scratchDirectory();

// Writes bytes to the file of that name in the scratch folder, replacing what the previous input
// left there, and gives its path.
std::string writeScratchFile(std::string_view name, std::string_view bytes);

// Reads a whole file; empty when it cannot be read.
std::string readWholeFile(const std::string& path);

// The input as text.
inline std::string_view inputText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The parts between separators; k separators give k + 1 parts.
std::vector<std::string> splitOn(std::string_view text, char separator);

// Stops the run with the reason on standard error, so libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const char* what);

}  // namespace corvane::fuzz
