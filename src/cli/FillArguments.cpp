// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FillArguments.h"

namespace corvane {

namespace {

using Row = OptionRow<FillArguments>;

bool takeTarget(FillArguments& arguments, FillTarget target, const std::string& name,
                std::string& problem) {
    if (++arguments.targets > 1) {
        problem = "name one database, once: --new NAME or --existing NAME";
        return false;
    }
    arguments.request.target = target;
    // An empty or taken name is refused later, with the launcher's own message.
    arguments.request.databaseName = name;
    return true;
}

bool takeNaming(FillArguments& arguments, const std::string& value, std::string& problem) {
    if (value == "file") {
        arguments.request.naming = FillNaming::FileName;
    } else if (value == "emulator") {
        arguments.request.naming = FillNaming::Emulator;
    } else {
        problem = "--name-from takes file or emulator, not '" + value + "'";
        return false;
    }
    return true;
}

bool takeMedium(FillMedia& media, const std::string& item) {
    bool* flag = item == "rom"    ? &media.rom
                 : item == "disk" ? &media.disk
                 : item == "tape" ? &media.tape
                 : item == "zip"  ? &media.zip
                                  : nullptr;
    if (flag != nullptr)
        *flag = true;
    return flag != nullptr;
}

// The comma list replaces the media; the first item that is not a medium is named.
bool takeMedia(FillArguments& arguments, const std::string& list, std::string& problem) {
    FillMedia& media = arguments.request.media;
    media = {.rom = false, .disk = false, .tape = false, .zip = false};
    const std::optional<std::string> item = firstItemNotTaken(
        list, [&media](const std::string& one) { return takeMedium(media, one); });
    if (!item)
        return true;
    problem = "--media takes rom, disk, tape, zip separated by commas, ";
    problem += item->empty() ? "without empty items" : "not '" + *item + "'";
    return false;
}

std::string mediaShown(const FillMedia& media) {
    if (media.rom && media.disk && media.tape && media.zip)
        return "all";
    std::string list;
    for (const auto& [on, name] : {std::pair{media.rom, "rom"}, std::pair{media.disk, "disk"},
                                   std::pair{media.tape, "tape"}, std::pair{media.zip, "zip"}})
        if (on)
            list += (list.empty() ? "" : ",") + std::string(name);
    return list;
}

// A switch that turns one of the request's flags off.
Row offSwitch(std::string name, std::string help, bool FillRequest::*flag) {
    return {.entry = {.name = std::move(name), .placeholder = "", .help = std::move(help)},
            .set = [flag](FillArguments& arguments, const std::string&, std::string&) {
                arguments.request.*flag = false;
                return true;
            }};
}

std::vector<Row> fillRows() {
    return {
        {.entry = {.name = "--new",
                   .placeholder = "NAME",
                   .help = "create the database NAME; without DIRECTORY it stays empty"},
         .set = [](FillArguments& a, const std::string& v,
                   std::string& p) { return takeTarget(a, FillTarget::New, v, p); }},
        {.entry = {.name = "--existing", .placeholder = "NAME", .help = "add to the database NAME"},
         .set = [](FillArguments& a, const std::string& v,
                   std::string& p) { return takeTarget(a, FillTarget::Existing, v, p); }},
        {.entry = {.name = "--overwrite",
                   .placeholder = "",
                   .help = "replace the existing database's profiles instead"},
         .set =
             [](FillArguments& a, const std::string&, std::string&) {
                 a.overwrite = true;
                 return true;
             }},
        {.entry = {.name = "--name-from",
                   .placeholder = "file|emulator",
                   .help = "name profiles after their file or after the title the emulator's "
                           "software databases give"},
         .set = takeNaming,
         .shownDefault =
             [](const FillArguments& a) {
                 return a.request.naming == FillNaming::FileName ? "file" : "emulator";
             }},
        {.entry = {.name = "--media",
                   .placeholder = "LIST",
                   .help = "the loose files to take, a comma list of rom, disk, tape, zip; with "
                           "zip, every medium inside archives"},
         .set = takeMedia,
         .shownDefault = [](const FillArguments& a) { return mediaShown(a.request.media); }},
        {.entry = {.name = "--machine",
                   .placeholder = "NAME",
                   .help = "the machine of the new profiles",
                   .needsText = true},
         .set =
             [](FillArguments& a, const std::string& v, std::string&) {
                 a.request.machine = v;
                 a.machineGiven = true;
                 return true;
             },
         .shownDefault =
             [](const FillArguments& a) {
                 return a.request.machine +
                        ", or the emulator's first machine when it has no such one";
             }},
        offSwitch("--no-backup", "do not back up the existing database first",
                  &FillRequest::backup),
        offSwitch("--no-subdirs", "do not search subdirectories",
                  &FillRequest::searchSubdirectories),
        offSwitch("--no-extra-data", "do not import extra profile data", &FillRequest::extraData),
    };
}

// What the options say together: a target, --overwrite only with it, a directory to add.
std::string combinedProblem(FillArguments& arguments) {
    FillRequest& request = arguments.request;
    if (arguments.targets == 0)
        return "name the database: --new NAME or --existing NAME";
    if (arguments.overwrite && request.target != FillTarget::Existing)
        return "--overwrite goes with --existing";
    request.mode = arguments.overwrite ? FillMode::Overwrite : FillMode::Append;
    if (request.target == FillTarget::Existing && request.paths.empty())
        return "give at least one DIRECTORY to add to an existing database";
    return {};
}

}  // namespace

const OptionTable<FillArguments>& fillOptions() {
    static const OptionTable<FillArguments> table{
        .rows = fillRows(), .addPath = [](FillArguments& a, std::string path) {
            a.request.paths.push_back(std::move(path));
        }};
    return table;
}

ParsedOptions<FillArguments> parseFillArguments(const std::vector<std::string>& arguments,
                                                const std::string& workingDirectory) {
    ParsedOptions<FillArguments> parsed = parseOptions(fillOptions(), arguments, workingDirectory);
    if (!parsed.help && parsed.problem.empty())
        parsed.problem = combinedProblem(parsed.values);
    return parsed;
}

const CommandText& fillText() {
    static const CommandText text{
        .name = "fill",
        .synopsis =
            "Usage: corvane-cli fill [--base-dir DIR | --user-data]\n"
            "                        (--new NAME | --existing NAME [--overwrite])\n"
            "                        [--name-from file|emulator] [--media rom,disk,tape,zip]\n"
            "                        [--machine NAME] [--no-backup] [--no-subdirs]\n"
            "                        [--no-extra-data] DIRECTORY...\n",
        .description =
            "Makes a profile of every ROM, disk, hard-disk and tape image in the DIRECTORYs and "
            "in\n"
            "the ZIP archives there that the database does not hold yet, as Fill Database does in\n"
            "the launcher. A file named instead of a directory is looked at alone.\n",
        .notes =
            "The emulator folder and the language come from the settings.ini of the base\n"
            "directory. The completion message goes to standard output, every other message to\n"
            "standard error. Ctrl+C leaves the database as it was.\n"};
    return text;
}

std::string fillSynopsis() {
    return fillText().synopsis;
}

std::string fillHelp() {
    return commandHelp(fillText(), optionHelp(fillOptions()));
}

}  // namespace corvane
