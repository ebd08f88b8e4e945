// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliWorkspace.h"

#include <ostream>
#include <utility>

#include "app/FirstStart.h"
#include "cli/CliContext.h"
#include "emulator/Launcher.h"

namespace corvane {

BaseDirectoryChoice CliWorkspace::chooseDirectory(const CommonOptions& options,
                                                  const CliContext& context) {
    return chooseBaseDirectory(
        {.baseDirectory = options.baseDirectory, .userData = options.userData},
        {.workingDirectory = context.workingDirectory,
         .xdgDataHome = context.xdgDataHome,
         .home = context.home});
}

CliWorkspace::CliWorkspace(std::string baseDirectory, Prompter& prompter, const CliContext& context)
    : baseDirectory_(std::move(baseDirectory)),
      prompter_(prompter),
      settings_(startSettings(baseDirectory_, context.searchPath)),
      store_(baseDirectory_),
      favorites_(baseDirectory_) {
    languages_.setLanguage(settings_.languageId);
    store_.setCurrentDatabase(settings_.defaultDatabaseName);
    LockWait wait = context.lockWait;
    // Seconds of silence while another program writes would look like a hang.
    if (!wait.whenBusy && wait.timeout.count() > 0)
        wait.whenBusy = [&err = context.err, text = languages_.text("M_WAITING_FOR_WRITER")] {
            err << text << '\n' << std::flush;
        };
    store_.setLockWait(wait);
    favorites_.setLockWait(std::move(wait));
}

std::string CliWorkspace::corvanePath() const {
    return emulatorFolder(baseDirectory_, settings_, EmulatorKind::Corvane);
}

SoftwareSources CliWorkspace::softwareSources() const {
    return softwareSourcesOf(baseDirectory_, settings_);
}

const std::vector<std::string>& CliWorkspace::machineList() {
    if (!machines_)
        machines_.emplace(corvanePath());
    return machines_->machineList();
}

const SoftwareIndex& CliWorkspace::softwareIndex() {
    if (!softwareIndex_) {
        softwareIndex_.emplace();
        softwareIndex_->build(softwareSources(), prompter_, languages_);
    }
    return *softwareIndex_;
}

}  // namespace corvane
