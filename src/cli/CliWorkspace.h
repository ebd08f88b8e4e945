// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/BaseDirectoryChoice.h"
#include "cli/OptionScan.h"
#include "emulator/MachineCatalogue.h"
#include "emulator/SoftwareIndex.h"
#include "emulator/SoftwareSources.h"
#include "i18n/LanguageManager.h"
#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Settings.h"
#include "selection/Favorites.h"

namespace corvane {

class Prompter;
struct CliContext;

// What a command works on: one base directory with its settings, databases, favorites and
// texts, as the launcher reads them. Nothing that starts programs or threads; the machines and
// the software index are looked for only when a command asks.
class CliWorkspace {
public:
    // The launcher's own choice, so that --user-data finds the desktop start's files and a
    // folder that is not there is named rather than failing as an I/O error later.
    static BaseDirectoryChoice chooseDirectory(const CommonOptions& options,
                                               const CliContext& context);

    // Reads settings.ini, or takes a first start's settings without writing them, and speaks
    // their language. Messages go to the prompter; writes wait as the context says.
    CliWorkspace(std::string baseDirectory, Prompter& prompter, const CliContext& context);

    const std::string& baseDirectory() const { return baseDirectory_; }
    const Settings& settings() const { return settings_; }
    const TextSource& texts() const { return languages_; }
    const LanguageManager& languages() const { return languages_; }
    DatabaseStore& store() { return store_; }
    Favorites& favorites() { return favorites_; }
    Sha1Cache& sha1Cache() { return sha1Cache_; }

    // The primary emulator's folder as used: a relative one is taken from the base directory.
    std::string corvanePath() const;
    // Where the software databases are read from, as the launcher reads them.
    SoftwareSources softwareSources() const;
    // The usable machines of the primary emulator; listed on the first ask.
    const std::vector<std::string>& machineList();
    // Built from the software sources on the first ask; a missing database is told then.
    const SoftwareIndex& softwareIndex();

private:
    std::string baseDirectory_;
    Prompter& prompter_;
    Settings settings_;
    LanguageManager languages_;
    Sha1Cache sha1Cache_;
    DatabaseStore store_;
    Favorites favorites_;
    std::optional<MachineCatalogue> machines_;
    std::optional<SoftwareIndex> softwareIndex_;
};

}  // namespace corvane
