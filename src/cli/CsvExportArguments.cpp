// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CsvExportArguments.h"

namespace corvane {

namespace {

using Row = OptionRow<CsvExportArguments>;

std::vector<Row> csvExportRows() {
    return {
        {.entry = {.name = "--all", .placeholder = "", .help = "export every database, in order"},
         .set =
             [](CsvExportArguments& a, const std::string&, std::string&) {
                 ++a.choices;
                 a.request.all = true;
                 return true;
             }},
        {.entry = {.name = "--database",
                   .placeholder = "NAME",
                   .help = "export the database NAME alone",
                   .needsText = true},
         .set =
             [](CsvExportArguments& a, const std::string& v, std::string&) {
                 ++a.choices;
                 a.request.all = false;
                 a.request.database = v;
                 return true;
             }},
        {.entry = {.name = "--force", .placeholder = "", .help = "replace an existing FILE"},
         .set =
             [](CsvExportArguments& a, const std::string&, std::string&) {
                 a.force = true;
                 return true;
             }},
    };
}

// Whether FILE was "-" as it was typed, since the parser hands paths over made full. A "-"
// that is the value of an option, or comes after "--", names a file.
bool standardOutputAsked(const std::vector<std::string>& arguments) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--")
            return false;
        if (argument == "--database" || argument == "--base-dir")
            ++i;
        else if (argument == "-")
            return true;
    }
    return false;
}

std::string combinedProblem(const CsvExportArguments& arguments) {
    if (arguments.choices != 1)
        return "name what to export, once: --all or --database NAME";
    if (arguments.files != 1)
        return "give one FILE to write, or - for standard output";
    return {};
}

}  // namespace

const OptionTable<CsvExportArguments>& csvExportOptions() {
    static const OptionTable<CsvExportArguments> table{
        .rows = csvExportRows(), .addPath = [](CsvExportArguments& a, std::string path) {
            ++a.files;
            a.request.file = std::move(path);
        }};
    return table;
}

ParsedOptions<CsvExportArguments> parseCsvExportArguments(const std::vector<std::string>& arguments,
                                                          const std::string& workingDirectory) {
    ParsedOptions<CsvExportArguments> parsed =
        parseOptions(csvExportOptions(), arguments, workingDirectory);
    if (parsed.help || !parsed.problem.empty())
        return parsed;
    parsed.problem = combinedProblem(parsed.values);
    parsed.values.toStandardOutput = standardOutputAsked(arguments);
    return parsed;
}

const CommandText& csvExportText() {
    static const CommandText text{
        .name = "export-csv",
        .synopsis =
            "Usage: corvane-cli export-csv [--base-dir DIR | --user-data]\n"
            "                              (--all | --database NAME) [--force] FILE\n",
        .description =
            "Writes every profile of one database, or of all of them, to FILE as comma-separated\n"
            "values, as Export to CSV does in the launcher: a header in the language of the\n"
            "settings, then one row of 41 quoted values per profile. FILE - writes to standard\n"
            "output.\n",
        .notes =
            "FILE is first written under a temporary name beside it and takes its place once the\n"
            "export ends, so a failed export leaves an existing FILE as it was. A FILE that\n"
            "exists, or is a symbolic link (even to nothing), is refused without --force; with\n"
            "it, the file the link points to is written. Stopped by Ctrl+C, FILE holds the rows\n"
            "written until then. The completion message goes to standard output, or to standard\n"
            "error when FILE is -; every other message to standard error.\n"};
    return text;
}

std::string csvExportHelp() {
    return commandHelp(csvExportText(), optionHelp(csvExportOptions()));
}

}  // namespace corvane
