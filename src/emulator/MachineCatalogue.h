// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/EmulatorInstallation.h"

namespace corvane {

// The machine configurations of the primary emulator that can actually run, and the special
// cartridges a ROM slot can hold instead of an image file.
class MachineCatalogue {
public:
    static constexpr std::string_view kUsualMachine = "MSX2 - C-BIOS";

    explicit MachineCatalogue(std::string corvanePath) : installation_(std::move(corvanePath)) {}

    const std::string& corvanePath() const { return installation_.path(); }
    // Usable machine names in listing order. Probing every file a configuration names is slow, so
    // a list that found machines is kept for the life of the catalogue; an empty one is retried.
    const std::vector<std::string>& machineList();
    // The machine's config.ini has a "[Slots]" line and every file its slot lines name exists
    // (the letter case of the file names aside).
    bool isMachineUsable(std::string_view machine) const;

    // "scc", "scc+", "fmpac", "fmpak", "sunriseide", in the order the editor offers them.
    static const std::vector<std::string>& specialCartridges();
    // "sunriseide" itself or a stored path to the image, whose last 14 characters are
    // "SUNRISEIDE.rom" (both case-sensitive).
    static bool isSunriseIde(std::string_view special);
    // The choice the editor shows for a stored special value.
    static std::string specialCartridgeChoice(std::string_view special);
    // The machine new profiles get unless another is chosen: "MSX2 - C-BIOS" when the list holds
    // it or is empty, else the list's first, so that the choice is always one the list accepts.
    static std::string defaultMachine(const std::vector<std::string>& machines);
    // Index of the first name equal to the given one; with fallbackToFirst, 0 when none is.
    static std::optional<size_t> indexOf(const std::vector<std::string>& names,
                                         std::string_view name, bool fallbackToFirst);
    // The up to two double-quoted texts of a slot line; an unterminated quote opens no text.
    static std::vector<std::string_view> quotedTexts(std::string_view line);

private:
    EmulatorInstallation installation_;
    std::vector<std::string> machines_;
};

}  // namespace corvane
