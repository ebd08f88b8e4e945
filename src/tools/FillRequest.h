// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "emulator/MachineCatalogue.h"

namespace corvane {

// Where the profiles found go.
enum class FillTarget { Existing, New };
// What becomes of an existing database's profiles.
enum class FillMode { Append, Overwrite };
// Where a new profile's name comes from.
enum class FillNaming { FileName, Emulator };

// The kinds of loose file looked at. Media inside ZIP archives are taken whatever is chosen
// here, once "zip" is.
struct FillMedia {
    bool rom = true;
    bool disk = true;
    bool tape = true;
    bool zip = true;
    bool any() const { return rom || disk || tape || zip; }
};

// One run of Fill Database, as the dialog, the drop dialog or the command line asks for it.
struct FillRequest {
    // Taken in order: a folder is scanned, anything else is looked at as one file.
    std::vector<std::string> paths;
    bool searchSubdirectories = true;
    FillTarget target = FillTarget::Existing;
    std::string databaseName;  // as chosen, or as typed for a new database
    FillMode mode = FillMode::Append;
    FillNaming naming = FillNaming::FileName;
    bool backup = true;
    FillMedia media;
    // Runs take MachineCatalogue::defaultMachine of the emulator's machines unless one is chosen.
    std::string machine{MachineCatalogue::kUsualMachine};
    bool extraData = true;
    // Files dropped on the window: the list may never be empty, whatever the target.
    bool dropped = false;
};

}  // namespace corvane
