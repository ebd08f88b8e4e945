// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/MachineCatalogue.h"

#include "common/DirectoryListing.h"
#include "common/FileNameCase.h"
#include "common/LineReader.h"

namespace corvane {

namespace {
constexpr std::string_view kSunriseIde = "sunriseide";
constexpr std::string_view kSunriseIdeImage = "SUNRISEIDE.rom";
}  // namespace

const std::vector<std::string>& MachineCatalogue::machineList() {
    if (!machines_.empty())
        return machines_;
    const std::optional<std::vector<std::string>> entries =
        listDirectory(installation_.machinesDirectory());
    if (!entries)
        return machines_;
    for (const std::string& name : *entries) {
        if (name == EmulatorInstallation::kSharedRoms)
            continue;
        if (isMachineUsable(name))
            machines_.push_back(name);
    }
    return machines_;
}

std::string MachineCatalogue::defaultMachine(const std::vector<std::string>& machines) {
    const std::optional<size_t> chosen = indexOf(machines, kUsualMachine, true);
    return chosen ? machines[*chosen] : std::string(kUsualMachine);
}

bool MachineCatalogue::isMachineUsable(std::string_view machine) const {
    LineReader reader(installation_.machineConfig(machine));
    if (!reader.isOpen())
        return false;
    std::string line;
    bool inSlots = false;
    while (reader.next(line)) {
        if (!inSlots) {
            inSlots = line == "[Slots]";
            continue;
        }
        for (const std::string_view text : quotedTexts(line)) {
            // The emulator's home system ignores letter case, so its configurations may name
            // MSX2.ROM for msx2.rom.
            if (!text.empty() && !findFileIgnoringCase(installation_.resolve(text)))
                return false;
        }
    }
    // A file that could not be read to its end is not a configuration to trust.
    return inSlots && !reader.failed();
}

const std::vector<std::string>& MachineCatalogue::specialCartridges() {
    static const std::vector<std::string> values = {"scc", "scc+", "fmpac", "fmpak",
                                                    std::string(kSunriseIde)};
    return values;
}

bool MachineCatalogue::isSunriseIde(std::string_view special) {
    return special == kSunriseIde || special.ends_with(kSunriseIdeImage);
}

std::string MachineCatalogue::specialCartridgeChoice(std::string_view special) {
    return isSunriseIde(special) ? std::string(kSunriseIde) : std::string(special);
}

std::optional<size_t> MachineCatalogue::indexOf(const std::vector<std::string>& names,
                                                std::string_view name, bool fallbackToFirst) {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return i;
    }
    if (fallbackToFirst && !names.empty())
        return 0;
    return std::nullopt;
}

std::vector<std::string_view> MachineCatalogue::quotedTexts(std::string_view line) {
    std::vector<std::string_view> texts;
    size_t from = 0;
    while (texts.size() < 2) {
        const size_t open = line.find('"', from);
        if (open == std::string_view::npos)
            break;
        const size_t close = line.find('"', open + 1);
        if (close == std::string_view::npos)
            break;
        texts.push_back(line.substr(open + 1, close - open - 1));
        from = close + 1;
    }
    return texts;
}

}  // namespace corvane
