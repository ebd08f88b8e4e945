// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/EmulatorHandler.h"

#include "emulator/EmulatorInstallation.h"
#include "emulator/MachineCatalogue.h"

namespace corvane {

namespace {

// Options for media the profile does not use are left out.
void addIfSet(EmulatorArguments& out, const char* option, const std::string& value) {
    if (!value.empty())
        out.addOptionValue(option, value);
}

// A ZIP member name goes only with its file.
void addFileAndMember(EmulatorArguments& out, const char* option, const std::string& file,
                      const char* memberOption, const std::string& member) {
    if (file.empty())
        return;
    out.addOptionValue(option, file);
    addIfSet(out, memberOption, member);
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

EmulatorArguments EmulatorHandler::corvaneArguments(
    const Game& profile, const Settings& settings,
    const std::optional<std::string>& machineOverride) {
    EmulatorArguments out;
    addFileAndMember(out, "/rom1", profile.slot1File, "/rom1zip", profile.slot1ZipEntry);
    if (profile.slot1File.empty() && !profile.slot1Special.empty())
        out.append(specialRomArgument(profile.slot1Special, 1, settings.emulatorDirectory));
    addFileAndMember(out, "/rom2", profile.slot2File, "/rom2zip", profile.slot2ZipEntry);
    if (profile.slot2File.empty() && !profile.slot2Special.empty())
        out.append(specialRomArgument(profile.slot2Special, 2, settings.emulatorDirectory));
    addFileAndMember(out, "/diskA", profile.diskAFile, "/diskAzip", profile.diskAZipEntry);
    addFileAndMember(out, "/diskB", profile.diskBFile, "/diskBzip", profile.diskBZipEntry);
    addFileAndMember(out, "/cas", profile.tapeFile, "/caszip", profile.tapeZipEntry);
    addIfSet(out, "/ide1primary", profile.hardDiskPrimary);
    addIfSet(out, "/ide1secondary", profile.hardDiskSecondary);
    if (settings.theme != "default")
        out.addOptionValue("/theme", settings.theme);
    if (settings.fullScreen)
        out.addOption("/fullscreen");
    out.addOptionValue("/machine", machineOverride ? *machineOverride : profile.machine);
    return out;
}

EmulatorArguments EmulatorHandler::openMsxArguments(const Game& profile, const Settings& settings) {
    EmulatorArguments out;
    addIfSet(out, "-carta", profile.slot1File);
    addIfSet(out, "-cartb", profile.slot2File);
    addIfSet(out, "-diska", profile.diskAFile);
    addIfSet(out, "-diskb", profile.diskBFile);
    addIfSet(out, "-cassetteplayer", profile.tapeFile);
    addIfSet(out, "-hda", profile.hardDiskPrimary);
    if (profile.openMsxOverride.empty())
        out.addCommandLine(settings.openMsxArguments);
    out.addCommandLine(profile.openMsxArguments);
    return out;
}

EmulatorArguments EmulatorHandler::fmsxArguments(const Game& profile, const Settings& settings) {
    EmulatorArguments out;
    addIfSet(out, "-diska", profile.diskAFile);
    addIfSet(out, "-diskb", profile.diskBFile);
    addIfSet(out, "-tape", profile.tapeFile);
    if (profile.fmsxOverride.empty())
        out.addCommandLine(settings.fmsxArguments);
    out.addCommandLine(profile.fmsxArguments);
    // fMSX takes its cartridge images after all options.
    if (!profile.slot1File.empty())
        out.addOperand(profile.slot1File);
    if (!profile.slot2File.empty())
        out.addOperand(profile.slot2File);
    return out;
}

EmulatorArguments EmulatorHandler::specialRomArgument(std::string_view value, int slot,
                                                      const std::string& corvanePath) {
    const std::string digit = std::to_string(slot);
    EmulatorArguments out;
    if (MachineCatalogue::isSunriseIde(value)) {
        // Whatever path the profile holds, the interface comes from the emulator's shared ROMs.
        out.addOptionValue("/rom" + digit, EmulatorInstallation(corvanePath).sunriseIdeRom());
    } else {
        out.addOptionValue("/romtype" + digit, std::string(value));
    }
    return out;
}

}  // namespace corvane
