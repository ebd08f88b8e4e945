// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/CommandText.h"
#include "cli/OptionTable.h"
#include "tools/ExtraDataImportRequest.h"

namespace corvane {

// What the arguments of "corvane-cli import-extra" say. An ImportExtraArguments{} holds the
// dialog's defaults.
struct ImportExtraArguments {
    ExtraDataImportRequest request;
    bool allGiven = false;
    bool databaseGiven = false;
};

const OptionTable<ImportExtraArguments>& importExtraOptions();

// Parses the arguments that follow "import-extra", with the checks that span several options.
ParsedOptions<ImportExtraArguments> parseImportExtraArguments(
    const std::vector<std::string>& arguments, const std::string& workingDirectory);

const CommandText& importExtraText();
std::string importExtraHelp();

}  // namespace corvane
