// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

struct CommandSession;
struct CsvExportArguments;

// "corvane-cli export-csv"'s own work: Export to CSV from the command line.
int runCsvExport(CommandSession& session, CsvExportArguments& arguments);

}  // namespace corvane
