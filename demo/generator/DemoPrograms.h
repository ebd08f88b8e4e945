// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane::demo {

// The demo's MSX programs as the assembler made them.
struct DemoPrograms {
    std::string cartridge;  // the greeting cartridge whose name field each profile fills
    std::string companion;  // the cartridge for slot 2 the greeting cartridge reads
    std::string greeting;   // the binary program on the demo disk and tape, for address 0xC000

    // hello.bin, companion.bin and greeting.bin of the folder; none when one cannot be read.
    static std::optional<DemoPrograms> load(const std::string& folder);
};

}  // namespace corvane::demo
