// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// How generation, sound and genres of a record meet a profile's own.
enum class MergeMode { Skip = 0, Overwrite = 1, Merge = 2 };
// How the Generation-MSX link and the screenshots of a record meet a profile's own.
enum class SetMode { Skip = 0, Overwrite = 1, SetIfEmpty = 3 };

// What an import of extra data changes in the profiles it reaches. The defaults are the import
// dialogs' initial state: nothing is changed until the user picks a mode.
struct ExtraDataOptions {
    MergeMode generation = MergeMode::Skip;
    MergeMode sound = MergeMode::Skip;
    MergeMode genre = MergeMode::Skip;
    SetMode infoFile = SetMode::Skip;
    SetMode screenshots = SetMode::Skip;
};

}  // namespace corvane
