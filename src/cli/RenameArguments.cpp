// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenameArguments.h"

namespace corvane {

namespace {

using Row = OptionRow<RenameArguments>;

bool takeRule(RenameArguments& arguments, const std::string& value, std::string& problem) {
    RenameRule& rule = arguments.request.rule;
    if (value == "short") {
        rule = RenameRule::ShortFormat;
    } else if (value == "name") {
        rule = RenameRule::ProfileName;
    } else if (value == "title") {
        rule = RenameRule::SoftwareTitle;
    } else {
        problem = "--rule takes short, name or title, not '" + value + "'";
        return false;
    }
    arguments.ruleGiven = true;
    return true;
}

bool takeMedium(RenameMedia& media, const std::string& item) {
    bool* flag = item == "rom"        ? &media.rom
                 : item == "disk"     ? &media.disk
                 : item == "tape"     ? &media.tape
                 : item == "harddisk" ? &media.hardDisk
                                      : nullptr;
    if (flag != nullptr)
        *flag = true;
    return flag != nullptr;
}

// The comma list replaces the media; the first item that is not a medium is named.
bool takeMedia(RenameArguments& arguments, const std::string& list, std::string& problem) {
    RenameMedia& media = arguments.request.media;
    media = {.rom = false, .disk = false, .tape = false, .hardDisk = false};
    const std::optional<std::string> item = firstItemNotTaken(
        list, [&media](const std::string& one) { return takeMedium(media, one); });
    if (!item)
        return true;
    problem = "--media takes rom, disk, tape, harddisk separated by commas, ";
    problem += item->empty() ? "without empty items" : "not '" + *item + "'";
    return false;
}

std::vector<Row> renameRows() {
    return {
        {.entry = {.name = "--database",
                   .placeholder = "NAME",
                   .help = "rename the files of the database NAME's profiles"},
         .set =
             [](RenameArguments& a, const std::string& v, std::string&) {
                 a.request.databaseName = v;
                 a.databaseGiven = true;
                 return true;
             }},
        {.entry = {.name = "--rule",
                   .placeholder = "short|name|title",
                   .help = "the new names: the 8.3 alias, the profile's name, or the title the "
                           "emulator's software databases give"},
         .set = takeRule},
        {.entry = {.name = "--media",
                   .placeholder = "LIST",
                   .help = "the media kinds to rename, a comma list of rom, disk, tape, "
                           "harddisk"},
         .set = takeMedia,
         .shownDefault = [](const RenameArguments&) { return std::string("all"); }},
        {.entry = {.name = "--yes",
                   .placeholder = "",
                   .help = "proceed: the renaming cannot be undone"},
         .set =
             [](RenameArguments& a, const std::string&, std::string&) {
                 a.confirmed = true;
                 return true;
             }},
    };
}

}  // namespace

const OptionTable<RenameArguments>& renameOptions() {
    static const OptionTable<RenameArguments> table{.rows = renameRows(), .addPath = {}};
    return table;
}

ParsedOptions<RenameArguments> parseRenameArguments(const std::vector<std::string>& arguments,
                                                    const std::string& workingDirectory) {
    ParsedOptions<RenameArguments> parsed =
        parseOptions(renameOptions(), arguments, workingDirectory);
    if (parsed.help || !parsed.problem.empty())
        return parsed;
    if (!parsed.values.databaseGiven)
        parsed.problem = "name the database: --database NAME";
    else if (!parsed.values.ruleGiven)
        parsed.problem = "choose the new names: --rule short, name or title";
    return parsed;
}

const CommandText& renameText() {
    static const CommandText text{
        .name = "rename",
        .synopsis =
            "Usage: corvane-cli rename [--base-dir DIR | --user-data] --database NAME\n"
            "                          --rule short|name|title\n"
            "                          [--media rom,disk,tape,harddisk] --yes\n",
        .description =
            "Renames the media files the profiles of a database point to, and rewrites the\n"
            "database so that the profiles follow them, as Rename Files does in the launcher.\n"
            "Files inside ZIP archives are never renamed. Without --yes nothing is renamed.\n",
        .notes =
            "Prints the number of files renamed, the number not renamed, then the profiles\n"
            "with a file not renamed, one a line, on standard output; every other message\n"
            "goes to standard error. Ctrl+C stops the run: the files renamed by then stay\n"
            "renamed and the database follows them.\n"};
    return text;
}

std::string renameHelp() {
    return commandHelp(renameText(), optionHelp(renameOptions()));
}

}  // namespace corvane
