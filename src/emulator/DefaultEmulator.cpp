// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/DefaultEmulator.h"

#include <array>
#include <optional>
#include <string_view>

#include "common/AsciiCase.h"
#include "common/AtomicFile.h"
#include "common/Path.h"
#include "common/RegularFile.h"

namespace corvane {

namespace {

struct ChoiceName {
    DefaultEmulator choice;
    const char* name;
};

constexpr std::array<ChoiceName, 4> kNames{{{DefaultEmulator::Automatic, "Automatic"},
                                            {DefaultEmulator::Corvane, "Corvane"},
                                            {DefaultEmulator::OpenMSX, "openMSX"},
                                            {DefaultEmulator::FMSX, "fMSX"}}};

}  // namespace

DefaultEmulator readDefaultEmulator(const std::string& baseDirectory) {
    const std::optional<std::string> content =
        readRegularFile(joinPath(baseDirectory, kDefaultEmulatorFileName));
    if (!content)
        return DefaultEmulator::Automatic;
    // The first line only, whatever its line end; a hand edit may change letter case or blanks.
    const std::string_view text(*content);
    const std::string_view first = trimBlanks(text.substr(0, text.find_first_of("\r\n")));
    for (const ChoiceName& entry : kNames) {
        if (equalsIgnoreCase(first, entry.name))
            return entry.choice;
    }
    return DefaultEmulator::Automatic;
}

bool writeDefaultEmulator(const std::string& baseDirectory, DefaultEmulator choice) {
    AtomicFileWriter writer(joinPath(baseDirectory, kDefaultEmulatorFileName));
    for (const ChoiceName& entry : kNames) {
        if (entry.choice == choice)
            writer.writeLine(entry.name);
    }
    return writer.commit();
}

}  // namespace corvane
