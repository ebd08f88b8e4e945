// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "emulator/SoftwareDbShape.h"

namespace corvane {

// One software database file to read.
struct SoftwareDbFile {
    std::string path;
    std::string name;  // without its folder: what an entry names as its database
    SoftwareDbShape shape = SoftwareDbShape::Corvane;

    bool operator==(const SoftwareDbFile&) const = default;
};

// Where the software databases come from: the primary emulator's Databases folder when the
// Corvane Path holds an installation with one; otherwise openMSX's own database, since on a
// system without the primary emulator that is the one there is. All paths as the launcher uses
// them (absolute, or relative to the working directory).
class SoftwareSources {
public:
    // Implicit on purpose: a Corvane Path alone reads the primary emulator's databases and has no
    // openMSX to fall back on.
    SoftwareSources(std::string corvanePath) : corvanePath_(std::move(corvanePath)) {}
    // homeFolder holds the user's own openMSX data.
    SoftwareSources(std::string corvanePath, std::string openMsxPath, std::string homeFolder)
        : corvanePath_(std::move(corvanePath)),
          openMsxPath_(std::move(openMsxPath)),
          homeFolder_(std::move(homeFolder)) {}

    const std::string& corvanePath() const { return corvanePath_; }
    // The primary emulator's installation with its Databases folder is there, so it is read and
    // openMSX is not.
    bool usesCorvane() const;
    // The files to read, in the order in which the first occurrence of a SHA-1 wins. With the
    // primary emulator: the XML files of its Databases folder in listing order, and none at all
    // when it holds none (the user is owed M_ERR_NO_CORVANE_DB). Otherwise the openMSX databases
    // that exist: the user's before the installation's, so that the user's entries win.
    std::optional<std::vector<SoftwareDbFile>> files() const;
    // Some software database is there to be read; looked at once per list load.
    bool present() const;

    bool operator==(const SoftwareSources&) const = default;

private:
    std::vector<SoftwareDbFile> openMsxFiles() const;

    std::string corvanePath_;
    std::string openMsxPath_;
    std::string homeFolder_;
};

}  // namespace corvane
