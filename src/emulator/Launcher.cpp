// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/Launcher.h"

#include <filesystem>
#include <system_error>

#include "common/FileNameCase.h"
#include "common/Path.h"
#include "common/Prompter.h"
#include "common/TextSource.h"
#include "emulator/EmulatorHandler.h"
#include "emulator/EmulatorInstallation.h"
#include "platform/DesktopShell.h"
#include "platform/ExecutableName.h"
#include "platform/Folders.h"
#include "platform/ProcessStarter.h"
#include "platform/SystemTool.h"

namespace corvane {

namespace {

// Long enough for an emulator to load its machine and media and refuse them, short enough that
// a user who quits it at once is not told it failed.
constexpr std::chrono::seconds kEarlyExitWatch{5};

}  // namespace

LaunchTarget Launcher::launchTarget(LaunchCommand command) {
    switch (command) {
        case LaunchCommand::SavedSettings:
            return {EmulatorKind::Corvane, std::nullopt};
        case LaunchCommand::GenericMSX:
            return {EmulatorKind::Corvane, "MSX"};
        case LaunchCommand::GenericMSX2:
            return {EmulatorKind::Corvane, "MSX2"};
        case LaunchCommand::GenericMSX2Plus:
            return {EmulatorKind::Corvane, "MSX2+"};
        case LaunchCommand::GenericTurboR:
            return {EmulatorKind::Corvane, "MSXturboR"};
        case LaunchCommand::OpenMSX:
            return {EmulatorKind::OpenMSX, std::nullopt};
        case LaunchCommand::FMSX:
            return {EmulatorKind::FMSX, std::nullopt};
    }
    return {EmulatorKind::Corvane, std::nullopt};
}

LaunchCommand Launcher::defaultCommand() const {
    switch (defaultEmulator_) {
        case DefaultEmulator::Corvane:
            return LaunchCommand::SavedSettings;
        case DefaultEmulator::OpenMSX:
            return LaunchCommand::OpenMSX;
        case DefaultEmulator::FMSX:
            return LaunchCommand::FMSX;
        case DefaultEmulator::Automatic:
            break;
    }
    if (isEmulatorPathValid(false))
        return LaunchCommand::SavedSettings;
    // An unset folder would name a program in whatever folder the launcher runs in.
    const std::string openMsxFolder = folder(EmulatorKind::OpenMSX);
    if (!openMsxFolder.empty() && fileExists(executablePath(EmulatorKind::OpenMSX)))
        return LaunchCommand::OpenMSX;
    return LaunchCommand::FMSX;
}

bool Launcher::isAvailable(LaunchCommand command) const {
    switch (launchTarget(command).emulator) {
        case EmulatorKind::OpenMSX:
            return !settings_.openMsxDirectory.empty();
        case EmulatorKind::FMSX:
            return !settings_.fmsxDirectory.empty();
        case EmulatorKind::Corvane:
            break;
    }
    return true;
}

std::string emulatorFolder(const std::string& baseDirectory, const Settings& settings,
                           EmulatorKind emulator) {
    switch (emulator) {
        case EmulatorKind::OpenMSX:
            return pathFrom(baseDirectory, settings.openMsxDirectory);
        case EmulatorKind::FMSX:
            return pathFrom(baseDirectory, settings.fmsxDirectory);
        case EmulatorKind::Corvane:
            break;
    }
    return pathFrom(baseDirectory, settings.emulatorDirectory);
}

SoftwareSources softwareSourcesOf(const std::string& baseDirectory, const Settings& settings) {
    return {emulatorFolder(baseDirectory, settings, EmulatorKind::Corvane),
            emulatorFolder(baseDirectory, settings, EmulatorKind::OpenMSX), homeFolder()};
}

std::string Launcher::folder(EmulatorKind emulator) const {
    return emulatorFolder(baseDirectory_, settings_, emulator);
}

std::string Launcher::executablePath(EmulatorKind emulator) const {
    switch (emulator) {
        case EmulatorKind::OpenMSX:
            return joinPath(folder(emulator), executableFileName("openmsx"));
        case EmulatorKind::FMSX:
            return joinPath(folder(emulator), executableFileName("fmsx"));
        case EmulatorKind::Corvane:
            break;
    }
    return EmulatorInstallation(folder(emulator)).executable();
}

bool Launcher::isEmulatorPathValid(bool requireDatabases) const {
    return EmulatorInstallation(folder(EmulatorKind::Corvane)).isValid(requireDatabases);
}

bool Launcher::isAnyEmulatorConfigured(bool requireDatabases) const {
    if (isEmulatorPathValid(requireDatabases))
        return true;
    // An unset folder would name a program in whatever folder the launcher runs in.
    for (EmulatorKind kind : {EmulatorKind::OpenMSX, EmulatorKind::FMSX}) {
        const std::string directory = folder(kind);
        if (!directory.empty() && fileExists(executablePath(kind)))
            return true;
    }
    return false;
}

bool Launcher::launch(const Game* profile, LaunchCommand command,
                      const ConfirmCommandLine& confirm) {
    if (!profile)
        return true;
    const LaunchTarget target = launchTarget(command);
    // The primary emulator is handed paths inside its installation (special cartridges).
    Settings settings = settings_;
    settings.emulatorDirectory = folder(EmulatorKind::Corvane);
    const EmulatorHandler handler(
        settings, [this, &confirm](const std::string& exe, const EmulatorArguments& args) {
            return startEmulatorProcess(exe, args, confirm);
        });
    const std::string executable = executablePath(target.emulator);
    bool started = false;
    switch (target.emulator) {
        case EmulatorKind::Corvane:
            started = handler.launchCorvane(executable, *profile, target.machine);
            break;
        case EmulatorKind::OpenMSX:
            started = handler.launchOpenMSX(executable, *profile);
            break;
        case EmulatorKind::FMSX:
            started = handler.launchFMSX(executable, *profile);
            break;
    }
    if (!started)
        showError("M_ERR_START_EMUL");
    return started;
}

bool Launcher::startEmulatorProcess(const std::string& executable,
                                    const EmulatorArguments& arguments,
                                    const ConfirmCommandLine& confirm) {
    if (confirm && !confirm(commandLineText(executable, arguments)))
        return true;
    if (!isAbsolutePath(executable))
        return false;
    // An emulator that refuses what it was given (a disk on a machine without a drive) quits at
    // once and says why only on its standard error, which a user who started from the desktop
    // never sees.
    return starter_.startWatched(
        executable, arguments.arguments(), kEarlyExitWatch,
        [this, executable](std::optional<ProcessStarter::EarlyExit> failure) {
            if (failure)
                reportEarlyExit(executable, *failure);
        });
}

std::string Launcher::commandLineText(const std::string& executable,
                                      const EmulatorArguments& arguments) {
    EmulatorArguments line;
    line.addValue(executable);
    line.append(arguments);
    // text() puts a blank before every argument, the program's included.
    std::string text = line.text();
    text.erase(0, 1);
    return text;
}

void Launcher::reportEarlyExit(const std::string& executable,
                               const ProcessStarter::EarlyExit& failure) {
    std::string text = std::string(lastComponent(executable)) + texts_.text("M_ERR_EMUL_QUIT") +
                       std::to_string(failure.status);
    if (!failure.lastErrorLines.empty())
        text += "\n\n" + failure.lastErrorLines;
    prompter_.message(text, MessageKind::Error);
}

void Launcher::showInfoFile(const Game* profile) {
    if (!profile || profile->infoFile.empty())
        return;
    if (settings_.useDefaultViewer) {
        shell_.openWithAssociatedProgram(profile->infoFile, [this](bool opened) {
            if (!opened)
                showError("M_ERR_START_VIEWER");
        });
        return;
    }
    // The viewer gets the path as one argument: splitting it at its blanks would name files
    // that do not exist.
    const std::optional<std::string> viewer = viewerProgram();
    if (!viewer || !starter_.start(*viewer, {profile->infoFile}))
        showError("M_ERR_START_VIEWER");
}

void Launcher::exploreFile(const std::string& path) {
    shell_.revealFile(path, [this](bool shown) {
        if (!shown)
            showError("M_ERR_START_EXPOLRER");
    });
}

void Launcher::openLink(const std::string& address) {
    shell_.openWithAssociatedProgram(address, [this](bool opened) {
        if (!opened)
            showError("M_ERR_START_VIEWER");
    });
}

void Launcher::exploreProfile(const Game* profile) {
    if (profile)
        exploreFile(profile->MainMedium().file);
}

bool Launcher::canAddProfile(bool anyDatabaseExists) {
    if (!canEditProfile())
        return false;
    if (!anyDatabaseExists) {
        showError("M_ERR_NO_DB_SEL");
        return false;
    }
    return true;
}

bool Launcher::canEditProfile() {
    if (isAnyEmulatorConfigured(false))
        return true;
    showError("M_ERR_EMUL_PATH_INVALID");
    return false;
}

ScreenshotFiles Launcher::screenshotFiles(const Game& profile) const {
    ScreenshotFiles files;
    const bool two = settings_.screenshotCount == 2;
    if (!profile.image1.empty()) {
        files.image1 = profile.image1;
        if (two)
            files.image2 = profile.image2;
        return files;
    }
    const std::string directory =
        EmulatorInstallation(folder(EmulatorKind::Corvane)).screenshotsDirectory();
    const std::string base = profile.CaptureBaseName();
    // The emulator's home platform ignores letter case: Knight_0000.png is the picture of the
    // image type PNG. A picture that is not there keeps its exact name.
    auto picture = [&](const char* number) {
        const std::string exact = joinPath(directory, base + number + settings_.imageType);
        return findFileIgnoringCase(exact).value_or(exact);
    };
    files.image1 = picture("_0000.");
    if (two)
        files.image2 = picture("_0001.");
    return files;
}

// A viewer named without a folder is a program of the system; a relative path names a file under
// the working directory.
std::optional<std::string> Launcher::viewerProgram() const {
    const std::string& viewer = settings_.viewerPath;
    if (isAbsolutePath(viewer))
        return viewer;
    if (viewer.find(kPathSeparator) == std::string::npos)
        return findSystemTool(viewer);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(viewer, ec);
    if (ec)
        return std::nullopt;
    return absolute.string();
}

void Launcher::showError(const char* key) {
    prompter_.message(texts_.text(key), MessageKind::Error);
}

}  // namespace corvane
