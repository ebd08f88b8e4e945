// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "emulator/EmulatorArguments.h"
#include "model/Game.h"
#include "model/Settings.h"

namespace corvane {

// Builds the argument vectors of the three emulators and hands them to a process starter. Every
// stored value is passed as stored, as one argument of its own, so no text in a profile can add
// options; only the free-form argument fields of the settings and the profile give several.
class EmulatorHandler {
public:
    // Starts executable with the arguments; true when started (or deliberately not).
    using StartProcess =
        std::function<bool(const std::string& executable, const EmulatorArguments& arguments)>;

    EmulatorHandler(const Settings& settings, StartProcess start)
        : settings_(settings), start_(std::move(start)) {}

    bool launchCorvane(const std::string& executable, const Game& profile,
                       const std::optional<std::string>& machineOverride) const;
    bool launchOpenMSX(const std::string& executable, const Game& profile) const;
    bool launchFMSX(const std::string& executable, const Game& profile) const;

    static EmulatorArguments corvaneArguments(const Game& profile, const Settings& settings,
                                              const std::optional<std::string>& machineOverride);
    static EmulatorArguments openMsxArguments(const Game& profile, const Settings& settings);
    static EmulatorArguments fmsxArguments(const Game& profile, const Settings& settings);
    // The primary emulator's option and value for a special cartridge in slot 1 or 2.
    static EmulatorArguments specialRomArgument(std::string_view value, int slot,
                                                const std::string& corvanePath);

private:
    const Settings& settings_;
    StartProcess start_;
};

}  // namespace corvane
