// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/ExtraDataOptions.h"

namespace corvane {

// One import of extra data into existing profiles, as Import Extra Profile Data, Set Extra Data
// or the command line asks for it. The defaults are the import dialog's initial state.
struct ExtraDataImportRequest {
    ExtraDataOptions options;
    // Every launcher database, in the order of the database list; else databaseName alone.
    bool allDatabases = true;
    std::string databaseName;
    // When given, only the profiles of exactly these names change.
    std::optional<std::vector<std::string>> profiles;
    // Each database is backed up before it is replaced.
    bool backup = false;
};

}  // namespace corvane
