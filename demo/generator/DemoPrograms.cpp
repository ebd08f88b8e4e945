// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DemoPrograms.h"

#include <fstream>
#include <iterator>

#include "common/Path.h"

namespace corvane::demo {

namespace {

std::optional<std::string> readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<DemoPrograms> DemoPrograms::load(const std::string& folder) {
    std::optional<std::string> cartridge = readWhole(joinPath(folder, "hello.bin"));
    std::optional<std::string> companion = readWhole(joinPath(folder, "companion.bin"));
    std::optional<std::string> greeting = readWhole(joinPath(folder, "greeting.bin"));
    if (!cartridge || !companion || !greeting)
        return std::nullopt;
    return DemoPrograms{std::move(*cartridge), std::move(*companion), std::move(*greeting)};
}

}  // namespace corvane::demo
