// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/ProfileForm.h"
#include "model/Game.h"

namespace corvane {

// Saving needs a name (and image 1 when specific images are chosen); trying a profile does not.
enum class CollectMode { Saving, Trying };

// The typed or chosen values that end up in a database line, in the order they are read.
enum class ProfileField {
    Name,
    Slot1File,
    Slot2File,
    DiskAFile,
    DiskBFile,
    TapeFile,
    HardDiskPrimary,
    HardDiskSecondary,
    Slot1ZipEntry,
    Slot2ZipEntry,
    DiskAZipEntry,
    DiskBZipEntry,
    TapeZipEntry,
    Machine,
    InfoFile,
    Image1,
    Image2,
    OpenMsxArguments,
    FmsxArguments,
    Company,
    Year,
    Country,
    System,
};

// The message of a value holding "|" or a line break; the field's caption follows it.
inline constexpr const char* kFieldCharactersKey = "M_ERR_FIELD_CHARACTERS";

struct CollectResult {
    std::optional<Game> profile;  // set when every check passed
    const char* failureKey = nullptr;
    // The field that holds "|" or a line break, with kFieldCharactersKey.
    std::optional<ProfileField> field;
};

// The profile the editor's pages describe, or the catalogue key of the first check it fails.
// Typed texts lose their blanks at either end; a "Name in ZIP" goes only with its file and gets
// the medium's extension when it has none of its kind; a ROM slot holding a special cartridge
// keeps its file and member as well. The Generation-MSX id is left empty: it is not the editor's
// to set.
CollectResult collectProfile(const ProfileForm& form, CollectMode mode);

}  // namespace corvane
