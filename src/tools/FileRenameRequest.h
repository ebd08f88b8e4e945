// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// Where a file's new name comes from; the numbers are the choices' order in the dialog.
enum class RenameRule {
    ShortFormat = 1,    // the 8.3 alias, lower case
    ProfileName = 2,    // the profile's name + the file's extension
    SoftwareTitle = 3,  // the software database's title for the file's SHA-1 + its extension
};

// The media kinds whose files are renamed.
struct RenameMedia {
    bool rom = true;
    bool disk = true;
    bool tape = true;
    bool hardDisk = true;
    bool any() const { return rom || disk || tape || hardDisk; }
};

// One run of Rename Files, as the dialog or the command line asks for it.
struct FileRenameRequest {
    std::string databaseName;
    RenameRule rule = RenameRule::ShortFormat;
    RenameMedia media;
};

}  // namespace corvane
