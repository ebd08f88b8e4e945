// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "emulator/DefaultEmulator.h"
#include "emulator/EmulatorArguments.h"
#include "emulator/SoftwareSources.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "platform/ProcessStarter.h"

namespace corvane {

class DesktopShell;
class Prompter;
class TextSource;

enum class EmulatorKind { Corvane = 0, OpenMSX = 1, FMSX = 2 };

// The main window's launch entry points; the profile editor's "on Corvane" is SavedSettings.
enum class LaunchCommand {
    SavedSettings,
    GenericMSX,
    GenericMSX2,
    GenericMSX2Plus,
    GenericTurboR,
    OpenMSX,
    FMSX
};

struct LaunchTarget {
    EmulatorKind emulator;
    std::optional<std::string> machine;  // replaces the profile's machine when set
};

// The emulator's folder setting as used: empty when unset, else from the base directory.
std::string emulatorFolder(const std::string& baseDirectory, const Settings& settings,
                           EmulatorKind emulator);
// Where the software databases are read from with these settings.
SoftwareSources softwareSourcesOf(const std::string& baseDirectory, const Settings& settings);

struct ScreenshotFiles {
    std::string image1;
    std::string image2;
};

// What the user does with one profile: start it on an emulator, open its info file, show its
// file in the file manager, and where its screenshots are. Reads the settings at each call; a
// relative emulator folder is taken from the base directory, whatever the working directory.
class Launcher {
public:
    // Shows the program and its arguments before a start; false (Cancel) starts nothing and is no
    // error.
    using ConfirmCommandLine = std::function<bool(const std::string& commandLine)>;

    Launcher(std::string baseDirectory, const Settings& settings, ProcessStarter& starter,
             DesktopShell& shell, Prompter& prompter, const TextSource& texts)
        : baseDirectory_(std::move(baseDirectory)),
          settings_(settings),
          starter_(starter),
          shell_(shell),
          prompter_(prompter),
          texts_(texts) {}

    static LaunchTarget launchTarget(LaunchCommand command);
    void setDefaultEmulator(DefaultEmulator choice) { defaultEmulator_ = choice; }
    DefaultEmulator defaultEmulator() const { return defaultEmulator_; }
    // What LAUNCH, Enter and double-click start: the saved settings on the primary emulator, or
    // the profile on openMSX or fMSX. Automatic takes the first installed of the three.
    LaunchCommand defaultCommand() const;
    // openMSX and fMSX need their path set.
    bool isAvailable(LaunchCommand command) const;
    // The emulator's folder setting as used: empty when unset, else from the base directory.
    std::string folder(EmulatorKind emulator) const;
    std::string executablePath(EmulatorKind emulator) const;
    bool isEmulatorPathValid(bool requireDatabases) const;
    // Some emulator can be started: the primary emulator's installation (with requireDatabases,
    // with its Databases folder), or the openMSX or fMSX executable in its configured folder.
    // Building a collection needs no more than that.
    bool isAnyEmulatorConfigured(bool requireDatabases) const;

    // Starts the profile (none: nothing happens). With confirm (while "Show Command Line
    // Output" is checked) the command line is shown first. A failed start shows M_ERR_START_EMUL
    // and gives false; a start cancelled in the command-line window gives true. An emulator that
    // fails in its first seconds is reported later, with its exit status and the last lines of
    // its standard error, where the starter delivers its reports.
    bool launch(const Game* profile, LaunchCommand command, const ConfirmCommandLine& confirm = {});
    // An executable that is not an absolute path is never started: an empty or relative emulator
    // folder would make it a program found in PATH or the working directory.
    bool startEmulatorProcess(const std::string& executable, const EmulatorArguments& arguments,
                              const ConfirmCommandLine& confirm = {});
    // The program followed by its arguments, as the command-line window shows them.
    static std::string commandLineText(const std::string& executable,
                                       const EmulatorArguments& arguments);

    // Opens the profile's info file with the associated program or the configured viewer; a
    // failure shows M_ERR_START_VIEWER, possibly later, when the desktop reports it. Nothing
    // happens without a profile or an info file.
    void showInfoFile(const Game* profile);
    // Shows the file selected in the file manager; a failure shows M_ERR_START_EXPOLRER, possibly
    // later, when the desktop reports it.
    void exploreFile(const std::string& path);
    // Opens a web address in the desktop's browser; a failure shows M_ERR_START_VIEWER, as for
    // an info file that is a link.
    void openLink(const std::string& address);
    // exploreFile of the profile's main medium.
    void exploreProfile(const Game* profile);
    // The checks before the editor opens on a new profile; they show their message and give false.
    bool canAddProfile(bool anyDatabaseExists);
    // The check before the editor opens on a stored profile; shows its message and gives false.
    bool canEditProfile();

    ScreenshotFiles screenshotFiles(const Game& profile) const;

private:
    void showError(const char* key);
    void reportEarlyExit(const std::string& executable, const ProcessStarter::EarlyExit& failure);
    std::optional<std::string> viewerProgram() const;

    const std::string baseDirectory_;
    const Settings& settings_;
    ProcessStarter& starter_;
    DesktopShell& shell_;
    Prompter& prompter_;
    const TextSource& texts_;
    DefaultEmulator defaultEmulator_ = DefaultEmulator::Automatic;
};

}  // namespace corvane
