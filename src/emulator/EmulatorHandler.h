// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Game.h"
#include "model/Settings.h"

namespace corvane {

// Builds the argument strings of the three emulators and hands them to a process starter.
// Every piece begins with a blank; values are inserted as stored, without escaping, because the
// string is exactly what the emulator receives and what the command-line window shows.
class EmulatorHandler {
public:
    // Starts executable with the argument string; true when started (or deliberately not).
    using StartProcess =
        std::function<bool(const std::string& executable, const std::string& arguments)>;

    EmulatorHandler(const Settings& settings, StartProcess start)
        : settings_(settings), start_(std::move(start)) {}

    bool launchCorvane(const std::string& executable, const Game& profile,
                       const std::optional<std::string>& machineOverride) const;
    bool launchOpenMSX(const std::string& executable, const Game& profile) const;
    bool launchFMSX(const std::string& executable, const Game& profile) const;

    static std::string corvaneArguments(const Game& profile, const Settings& settings,
                                        const std::optional<std::string>& machineOverride);
    static std::string openMsxArguments(const Game& profile, const Settings& settings);
    static std::string fmsxArguments(const Game& profile, const Settings& settings);
    // The primary emulator's argument for a special cartridge in slot 1 or 2.
    static std::string specialRomArgument(std::string_view value, int slot,
                                          const std::string& corvanePath);

private:
    const Settings& settings_;
    StartProcess start_;
};

}  // namespace corvane
