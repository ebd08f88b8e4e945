// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The primary emulator's installation under the Corvane Path: where its executable, machines,
// software databases and screenshots are. Read only.
class EmulatorInstallation {
public:
    explicit EmulatorInstallation(std::string corvanePath) : path_(std::move(corvanePath)) {}

    const std::string& path() const { return path_; }
    std::string executable() const;
    std::string machinesDirectory() const;
    std::string machineConfig(std::string_view machine) const;
    std::string sunriseIdeRom() const;
    std::string databasesDirectory() const;
    std::string screenshotsDirectory() const;
    // A path named in the emulator's own files, relative to the installation, with either
    // separator.
    std::string resolve(std::string_view relativePath) const;

    // The executable exists; with requireDatabases the Databases folder as well. An empty Corvane
    // Path is never valid: it would name a file in whatever folder the launcher runs in.
    bool isValid(bool requireDatabases) const;
    // Names of the XML files of the Databases folder in listing order; none when the folder
    // cannot be listed.
    std::optional<std::vector<std::string>> databaseFiles() const;
    // The names in the Themes folder, in listing order; none when it cannot be listed.
    std::vector<std::string> themeNames() const;

    static constexpr std::string_view kSharedRoms = "Shared Roms";

private:
    std::string path_;
};

}  // namespace corvane
