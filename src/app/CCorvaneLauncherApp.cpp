// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CCorvaneLauncherApp.h"

#include <cstdlib>

#include "app/FirstStart.h"
#include "common/DirectoryLock.h"
#include "common/Prompter.h"
#include "media/MediumSize.h"
#include "media/ProfileSha1.h"
#include "model/DatabaseName.h"
#include "model/ProfileFile.h"
#include "platform/Platform.h"

namespace corvane {

CCorvaneLauncherApp::CCorvaneLauncherApp(std::string baseDirectory, Prompter& prompter,
                                         std::unique_ptr<ProcessStarter> starter,
                                         std::unique_ptr<DesktopShell> shell)
    : baseDirectory_(std::move(baseDirectory)),
      prompter_(prompter),
      store_(baseDirectory_),
      starter_(starter ? std::move(starter) : makeProcessStarter()),
      shell_(shell ? std::move(shell) : makeDesktopShell(*starter_)),
      launcher_(baseDirectory_, settings_, *starter_, *shell_, prompter_, languages_),
      savedFilters_(baseDirectory_),
      favorites_(baseDirectory_),
      search_(store_) {
    languages_.setLanguage(0);
    launcher_.setDefaultEmulator(readDefaultEmulator(baseDirectory_));
}

CCorvaneLauncherApp::~CCorvaneLauncherApp() {
    // The helpers' exit handlers call the shell and the launcher: once the starter is gone none
    // runs, so they can go after it.
    starter_.reset();
}

void CCorvaneLauncherApp::setReportPost(ProcessStarter::Post post) {
    starter_->setReportPost(std::move(post));
}

std::string CCorvaneLauncherApp::corvanePath() const {
    return launcher_.folder(EmulatorKind::Corvane);
}

SoftwareSources CCorvaneLauncherApp::softwareSources() const {
    return softwareSourcesOf(baseDirectory_, settings_);
}

void CCorvaneLauncherApp::buildSoftwareIndex() {
    // The index of other sources must not answer meanwhile.
    softwareIndex_ = SoftwareIndex();
    indexBuild_.start(softwareSources());
}

bool CCorvaneLauncherApp::takeSoftwareIndex() {
    std::optional<SoftwareIndexBuild::Result> result = indexBuild_.take();
    if (!result)
        return false;
    softwareIndex_ = std::move(result->index);
    indexMessageOwed_ = indexMessageOwed_ || result->noDatabases;
    passedOverOwed_ = softwareIndex_.passedOver();
    return true;
}

bool CCorvaneLauncherApp::waitForSoftwareIndex(std::chrono::milliseconds timeout) {
    if (!indexBuild_.waitFor(timeout))
        return false;
    takeSoftwareIndex();
    return true;
}

void CCorvaneLauncherApp::reportSoftwareIndex() {
    if (std::exchange(indexMessageOwed_, false))
        prompter_.message(languages_.text("M_ERR_NO_CORVANE_DB"), MessageKind::Plain);
    const std::string passedOver =
        passedOverMessage(std::exchange(passedOverOwed_, {}), languages_);
    if (!passedOver.empty())
        prompter_.message(passedOver, MessageKind::Error);
}

const std::vector<std::string>& CCorvaneLauncherApp::machineList() {
    // Probing every machine is slow, so the list is kept; a new Corvane Path lists its own.
    const std::string path = corvanePath();
    if (!machines_ || machines_->corvanePath() != path)
        machines_.emplace(path);
    return machines_->machineList();
}

std::vector<std::string> CCorvaneLauncherApp::machineChoices() {
    std::vector<std::string> machines = machineList();
    if (machines.empty())
        machines.push_back(MachineCatalogue::defaultMachine(machines));
    return machines;
}

void CCorvaneLauncherApp::setSoftwareIndexListener(std::function<void()> listener) {
    indexBuild_.setListener(std::move(listener));
}

const SoftwareSummary* CCorvaneLauncherApp::softwareOf(const Game& game,
                                                       const std::string& database) {
    if (!softwareIndex_.isBuilt() || softwareIndex_.size() == 0)
        return nullptr;
    const std::string sha1 = ProfileSha1(game, database, sha1Cache_);
    return sha1.empty() ? nullptr : softwareIndex_.find(sha1);
}

std::string CCorvaneLauncherApp::statusLine(const Game& game) {
    std::string text;
    if (game.basicDataSpecified == "T") {
        text = game.company + " " + game.year;
    } else if (const SoftwareSummary* found = softwareOf(game, store_.currentDatabaseName())) {
        text = found->company + " " + found->year;
    }
    if (text.size() > 1)
        text += " - ";
    const MainMediumInfo medium = game.MainMedium();
    if (!medium.file.empty())
        text += MainMediumSize(medium.file, medium.entry);
    return text;
}

void CCorvaneLauncherApp::loadSettings() {
    const char* searchPath = std::getenv("PATH");
    settings_ = startSettings(baseDirectory_, searchPath ? searchPath : "");
    store_.setCurrentDatabase(settings_.defaultDatabaseName);
    languages_.setLanguage(settings_.languageId);
    // What killed writers left is settled before any list is shown: a cut append, profiles of
    // a rename run that point at files renamed since, temporary files. Another writer at work
    // now leaves it to the next write, which settles its database first.
    const DirectoryLock lock(baseDirectory_, LockWait{std::chrono::milliseconds(0), {}});
    if (lock.held()) {
        constexpr std::string_view kOtherFiles[] = {kSettingsFileName, Favorites::kFileName,
                                                    SavedFilters::kFileName};
        ProfileFile::settleDirectory(baseDirectory_, kOtherFiles);
    }
}

bool CCorvaneLauncherApp::applySettings(Settings settings) {
    settings.imageType = settings.effectiveImageType();
    if (!saveSettings(baseDirectory_, settings))
        return false;
    const SoftwareSources before = softwareSources();
    settings_ = std::move(settings);
    if (softwareSources() != before)
        buildSoftwareIndex();
    store_.setCurrentDatabase(settings_.defaultDatabaseName);
    languages_.setLanguage(settings_.languageId);
    return true;
}

bool CCorvaneLauncherApp::applyDefaultEmulator(DefaultEmulator choice) {
    if (choice == launcher_.defaultEmulator())
        return true;
    if (!writeDefaultEmulator(baseDirectory_, choice))
        return false;
    launcher_.setDefaultEmulator(choice);
    return true;
}

void CCorvaneLauncherApp::setLockWait(const LockWait& wait) {
    store_.setLockWait(wait);
    favorites_.setLockWait(wait);
}

bool CCorvaneLauncherApp::createEmptyDatabase(const std::string& typedName) {
    const std::optional<std::string> name = validDatabaseName(typedName);
    if (!name) {
        prompter_.message(languages_.text("M_INVALID_NAME"), MessageKind::Error);
        return false;
    }
    const DirectoryLock lock = store_.lockDirectory();
    if (lock.busy()) {
        prompter_.message(languages_.text("M_ERR_BASE_DIR_BUSY"), MessageKind::Error);
        return false;
    }
    switch (store_.createEmptyDatabase(*name)) {
        case CreateResult::AlreadyListed:
            prompter_.message(languages_.text("M_ERR_DB_NAME_EXIST"), MessageKind::Error);
            return false;
        case CreateResult::Failed:
            prompter_.message(languages_.text("M_ERR_FILE_IO"), MessageKind::Error);
            return false;
        case CreateResult::Created:
            break;
    }
    return true;
}

ProfileFilter CCorvaneLauncherApp::makeProfileFilter() {
    // Whether a software database is there is looked at once per load, not once per profile.
    const bool softwarePresent = softwareSources().present();
    return ProfileFilter(filter_, languages_, softwarePresent, sha1Cache_,
                         store_.currentDatabaseName(), ProfileFilter::lookupIn(&softwareIndex_));
}

}  // namespace corvane
