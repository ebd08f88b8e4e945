// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli export-csv": Export to CSV from the command line.
int runCsvExportCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
