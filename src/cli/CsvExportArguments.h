// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/CsvExportOperation.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

// What the arguments of "corvane-cli export-csv" say.
struct CsvExportArguments {
    CsvExportRequest request;  // the file made full
    int choices = 0;           // how many of --all and --database were given
    int files = 0;
    bool force = false;
    bool toStandardOutput = false;  // FILE was "-"
};

// The options of "corvane-cli export-csv", in the order its help lists them.
const OptionTable<CsvExportArguments>& csvExportOptions();

// Parses the arguments that follow "export-csv", with the checks that span several options.
// Runs nothing and changes no file.
ParsedOptions<CsvExportArguments> parseCsvExportArguments(const std::vector<std::string>& arguments,
                                                          const std::string& workingDirectory);

const CommandText& csvExportText();
std::string csvExportHelp();

}  // namespace corvane
