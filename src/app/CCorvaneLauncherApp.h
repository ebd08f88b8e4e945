// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DatabaseOperations.h"
#include "app/ProfileOperations.h"
#include "app/RunFlags.h"
#include "app/SoftwareIndexBuild.h"
#include "emulator/Launcher.h"
#include "emulator/MachineCatalogue.h"
#include "emulator/SoftwareIndex.h"
#include "i18n/LanguageManager.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Settings.h"
#include "platform/DesktopShell.h"
#include "platform/ProcessStarter.h"
#include "selection/Favorites.h"
#include "selection/FilterState.h"
#include "selection/FilterValues.h"
#include "selection/ProfileFilter.h"
#include "selection/ProfileSearch.h"
#include "selection/SavedFilters.h"

namespace corvane {

class Prompter;

// The process-wide state: base directory, settings, databases, language, caches and run flags.
// One object, created by main and passed by reference; tests build their own.
class CCorvaneLauncherApp {
public:
    // Without platform objects the application uses this platform's own.
    CCorvaneLauncherApp(std::string baseDirectory, Prompter& prompter,
                        std::unique_ptr<ProcessStarter> starter = nullptr,
                        std::unique_ptr<DesktopShell> shell = nullptr);
    ~CCorvaneLauncherApp();

    // Reads settings.ini (or, when there is none yet, takes the first-start values without
    // writing them), makes the default database current and selects the language.
    void loadSettings();
    // Writes settings.ini and, only when that worked, applies the new values (new software
    // database sources start building the software index again).
    bool applySettings(Settings settings);
    // Stores the emulator LAUNCH starts beside settings.ini and, when that worked, uses it.
    bool applyDefaultEmulator(DefaultEmulator choice);
    // Makes the desktop helpers' reports run on the thread that owns the windows.
    void setReportPost(ProcessStarter::Post post);
    // Starts indexing the software databases on a worker thread; done at start and after the
    // sources changed. Until the new index is taken the index is empty.
    void buildSoftwareIndex();
    // An index is being built that has not been taken yet.
    bool softwareIndexPending() const { return indexBuild_.pending(); }
    // Puts the finished build's index in place; false while it runs or when there is none.
    bool takeSoftwareIndex();
    // Waits at most timeout for the build and takes its index; true once none is pending.
    bool waitForSoftwareIndex(std::chrono::milliseconds timeout);
    // Shows, once, the messages the index taken last owes the user (M_ERR_NO_CORVANE_DB, the
    // files it passed over).
    void reportSoftwareIndex();
    // Told on the worker's thread when a build has ended (SoftwareIndexBuild::setListener).
    void setSoftwareIndexListener(std::function<void()> listener);

    const std::string& baseDirectory() const { return baseDirectory_; }
    const Settings& settings() const { return settings_; }
    // The Corvane Path as used: a relative one is taken from the base directory.
    std::string corvanePath() const;
    // Where the software databases are read from: the primary emulator's, else openMSX's.
    SoftwareSources softwareSources() const;
    // For values that change in memory only (a custom background that failed to load).
    Settings& mutableSettings() { return settings_; }
    DatabaseStore& store() { return store_; }
    LanguageManager& languages() { return languages_; }
    const LanguageManager& languages() const { return languages_; }
    const TextSource& texts() const { return languages_; }
    Sha1Cache& sha1Cache() { return sha1Cache_; }
    RunFlags& flags() { return flags_; }
    Launcher& launcher() { return launcher_; }
    DesktopShell& shell() { return *shell_; }
    FilterState& filter() { return filter_; }
    const FilterValues& filterValues() const { return filterValues_; }
    SavedFilters& savedFilters() { return savedFilters_; }
    Favorites& favorites() { return favorites_; }
    // How long a change waits for another program writing in the base directory.
    void setLockWait(const LockWait& wait);
    // Changes to profiles and databases that favorites and cached SHA-1s follow.
    ProfileOperations profileOperations() {
        return {store_, favorites_, sha1Cache_, prompter_, languages_};
    }
    DatabaseOperations databaseOperations() { return {store_, favorites_, sha1Cache_}; }
    ProfileSearch& search() { return search_; }
    // Whether a profile passes the filter is decided by one object per list load.
    ProfileFilter makeProfileFilter();
    const SoftwareIndex& softwareIndex() const { return softwareIndex_; }
    // The usable machines of the Corvane Path, listed on first use and again after the path
    // changed, since the old installation's machines are not this one's.
    const std::vector<std::string>& machineList();
    // The machines a chooser offers: the machine list, or MachineCatalogue::defaultMachine alone
    // when there is none (no primary emulator), so that new profiles still get a machine.
    std::vector<std::string> machineChoices();
    // The emulator's data of a profile, found by the SHA-1 of its main medium; null if unknown.
    const SoftwareSummary* softwareOf(const Game& game, const std::string& database);
    // The status line of a profile of the current database: company and year (its own when
    // specified, else the emulator's), then the main medium's size.
    std::string statusLine(const Game& game);
    Prompter& prompter() { return prompter_; }
    // Creates a database from a name the user typed; shows the message of every refusal.
    bool createEmptyDatabase(const std::string& typedName);

private:
    std::string baseDirectory_;
    Prompter& prompter_;
    Settings settings_;
    LanguageManager languages_;
    Sha1Cache sha1Cache_;
    DatabaseStore store_;
    RunFlags flags_;
    std::unique_ptr<ProcessStarter> starter_;
    std::unique_ptr<DesktopShell> shell_;
    Launcher launcher_;
    std::optional<MachineCatalogue> machines_;
    SoftwareIndex softwareIndex_;
    FilterState filter_;
    FilterValues filterValues_;
    SavedFilters savedFilters_;
    Favorites favorites_;
    ProfileSearch search_;
    bool indexMessageOwed_ = false;
    std::vector<std::string> passedOverOwed_;
    // Last, so that its threads end before anything else goes.
    SoftwareIndexBuild indexBuild_;
};

}  // namespace corvane
