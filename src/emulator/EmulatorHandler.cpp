// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorHandler.h"

#include "emulator/EmulatorInstallation.h"
#include "emulator/MachineCatalogue.h"

namespace corvane {

namespace {

void appendQuoted(std::string& out, std::string_view option, std::string_view value) {
    out += option;
    out += " \"";
    out += value;
    out += '"';
}

// Options for media the profile does not use are left out.
void appendQuotedIfSet(std::string& out, std::string_view option, std::string_view value) {
    if (!value.empty())
        appendQuoted(out, option, value);
}

void appendBare(std::string& out, std::string_view text) {
    out += ' ';
    out += text;
}

void appendFileAndMember(std::string& out, std::string_view option, const std::string& file,
                         std::string_view memberOption, const std::string& member) {
    if (file.empty())
        return;
    appendQuoted(out, option, file);
    appendQuotedIfSet(out, memberOption, member);
}

}  // namespace

bool EmulatorHandler::launchCorvane(const std::string& executable, const Game& profile,
                                    const std::optional<std::string>& machineOverride) const {
    return start_(executable, corvaneArguments(profile, settings_, machineOverride));
}

bool EmulatorHandler::launchOpenMSX(const std::string& executable, const Game& profile) const {
    return start_(executable, openMsxArguments(profile, settings_));
}

bool EmulatorHandler::launchFMSX(const std::string& executable, const Game& profile) const {
    return start_(executable, fmsxArguments(profile, settings_));
}

std::string EmulatorHandler::corvaneArguments(const Game& profile, const Settings& settings,
                                              const std::optional<std::string>& machineOverride) {
    std::string out;
    appendFileAndMember(out, " /rom1", profile.slot1File, " /rom1zip", profile.slot1ZipEntry);
    if (profile.slot1File.empty() && !profile.slot1Special.empty()) {
        out += specialRomArgument(profile.slot1Special, 1, settings.emulatorDirectory);
    }
    appendFileAndMember(out, " /rom2", profile.slot2File, " /rom2zip", profile.slot2ZipEntry);
    if (profile.slot2File.empty() && !profile.slot2Special.empty()) {
        out += specialRomArgument(profile.slot2Special, 2, settings.emulatorDirectory);
    }
    appendFileAndMember(out, " /diskA", profile.diskAFile, " /diskAzip", profile.diskAZipEntry);
    appendFileAndMember(out, " /diskB", profile.diskBFile, " /diskBzip", profile.diskBZipEntry);
    appendFileAndMember(out, " /cas", profile.tapeFile, " /caszip", profile.tapeZipEntry);
    appendQuotedIfSet(out, " /ide1primary", profile.hardDiskPrimary);
    appendQuotedIfSet(out, " /ide1secondary", profile.hardDiskSecondary);
    if (settings.theme != "default")
        appendQuoted(out, " /theme", settings.theme);
    if (settings.fullScreen)
        out += " /fullscreen";
    appendQuoted(out, " /machine", machineOverride ? *machineOverride : profile.machine);
    return out;
}

std::string EmulatorHandler::openMsxArguments(const Game& profile, const Settings& settings) {
    std::string out;
    appendQuotedIfSet(out, " -carta", profile.slot1File);
    appendQuotedIfSet(out, " -cartb", profile.slot2File);
    appendQuotedIfSet(out, " -diska", profile.diskAFile);
    appendQuotedIfSet(out, " -diskb", profile.diskBFile);
    appendQuotedIfSet(out, " -cassetteplayer", profile.tapeFile);
    appendQuotedIfSet(out, " -hda", profile.hardDiskPrimary);
    if (profile.openMsxOverride.empty())
        appendBare(out, settings.openMsxArguments);
    appendBare(out, profile.openMsxArguments);
    return out;
}

std::string EmulatorHandler::fmsxArguments(const Game& profile, const Settings& settings) {
    std::string out;
    appendQuotedIfSet(out, " -diska", profile.diskAFile);
    appendQuotedIfSet(out, " -diskb", profile.diskBFile);
    appendQuotedIfSet(out, " -tape", profile.tapeFile);
    if (profile.fmsxOverride.empty())
        appendBare(out, settings.fmsxArguments);
    appendBare(out, profile.fmsxArguments);
    // fMSX takes its cartridge images after all options.
    appendQuotedIfSet(out, "", profile.slot1File);
    appendQuotedIfSet(out, "", profile.slot2File);
    return out;
}

std::string EmulatorHandler::specialRomArgument(std::string_view value, int slot,
                                                const std::string& corvanePath) {
    const std::string digit = std::to_string(slot);
    std::string out;
    if (MachineCatalogue::isSunriseIde(value)) {
        // Whatever path the profile holds, the interface comes from the emulator's shared ROMs.
        appendQuoted(out, " /rom" + digit, EmulatorInstallation(corvanePath).sunriseIdeRom());
    } else {
        appendQuoted(out, " /romtype" + digit, value);
    }
    return out;
}

}  // namespace corvane
