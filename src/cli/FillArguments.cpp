// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FillArguments.h"

#include <algorithm>
#include <optional>

#include "cli/ArgumentPath.h"

namespace corvane {

namespace {

constexpr const char* kValueOptions[] = {"--base-dir",  "--new",   "--existing",
                                         "--name-from", "--media", "--machine"};

bool takesValue(const std::string& option) {
    return std::find(std::begin(kValueOptions), std::end(kValueOptions), option) !=
           std::end(kValueOptions);
}

bool asksForHelp(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--")
            return false;
        if (argument == "--help")
            return true;
    }
    return false;
}

// Fills media from a comma list; the first item that is not a medium is the culprit.
bool parseMedia(const std::string& list, FillMedia& media, std::string& culprit) {
    media = {.rom = false, .disk = false, .tape = false, .zip = false};
    size_t start = 0;
    for (;;) {
        size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string item = list.substr(start, end - start);
        if (item == "rom") {
            media.rom = true;
        } else if (item == "disk") {
            media.disk = true;
        } else if (item == "tape") {
            media.tape = true;
        } else if (item == "zip") {
            media.zip = true;
        } else {
            culprit = item;
            return false;
        }
        if (end == list.size())
            return true;
        start = end + 1;
    }
}

}  // namespace

FillArguments parseFillArguments(const std::vector<std::string>& arguments,
                                 const std::string& workingDirectory) {
    FillArguments parsed;
    auto refuse = [&parsed](FillUsage usage, std::string culprit) {
        parsed.usage = usage;
        parsed.culprit = std::move(culprit);
        return parsed;
    };
    if (asksForHelp(arguments))
        return refuse(FillUsage::Help, {});

    FillRequest& request = parsed.request;
    std::string baseDirectory = ".";
    int targets = 0;
    bool overwrite = false;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // "-" alone is a name like any other.
        if (optionsEnded || argument.size() < 2 || argument.front() != '-') {
            request.paths.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string option = argument;
        std::optional<std::string> value;
        if (const size_t equals = argument.find('=');
            argument.starts_with("--") && equals != std::string::npos) {
            option = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (!takesValue(option)) {
            if (value)
                return refuse(FillUsage::UnknownOption, argument);
            if (option == "--overwrite")
                overwrite = true;
            else if (option == "--no-backup")
                request.backup = false;
            else if (option == "--no-subdirs")
                request.searchSubdirectories = false;
            else if (option == "--no-extra-data")
                request.extraData = false;
            else if (option == "--user-data")
                parsed.userData = true;
            else
                return refuse(FillUsage::UnknownOption, argument);
            continue;
        }
        if (!value) {
            if (i + 1 == arguments.size())
                return refuse(FillUsage::MissingValue, option);
            value = arguments[++i];
        }
        if (option == "--new" || option == "--existing") {
            if (++targets > 1)
                return refuse(FillUsage::TwoTargets, option);
            request.target = option == "--new" ? FillTarget::New : FillTarget::Existing;
            // An empty or taken name is refused later, with the launcher's own message.
            request.databaseName = *value;
        } else if (value->empty() && (option == "--base-dir" || option == "--machine")) {
            return refuse(FillUsage::MissingValue, option);
        } else if (option == "--base-dir") {
            baseDirectory = *value;
            parsed.baseDirectoryGiven = true;
        } else if (option == "--machine") {
            request.machine = *value;
            parsed.machineGiven = true;
        } else if (option == "--name-from") {
            if (*value == "file")
                request.naming = FillNaming::FileName;
            else if (*value == "emulator")
                request.naming = FillNaming::Emulator;
            else
                return refuse(FillUsage::BadNameFrom, *value);
        } else {
            std::string culprit;
            if (!parseMedia(*value, request.media, culprit))
                return refuse(FillUsage::BadMedia, culprit);
        }
    }
    if (targets == 0)
        return refuse(FillUsage::NoTarget, {});
    if (overwrite && request.target != FillTarget::Existing)
        return refuse(FillUsage::OverwriteWithoutExisting, "--overwrite");
    request.mode = overwrite ? FillMode::Overwrite : FillMode::Append;
    if (request.target == FillTarget::Existing && request.paths.empty())
        return refuse(FillUsage::NoDirectory, {});
    parsed.baseDirectory = argumentPath(baseDirectory, workingDirectory);
    for (std::string& path : request.paths)
        path = argumentPath(path, workingDirectory);
    return parsed;
}

std::string fillUsageProblem(const FillArguments& arguments) {
    const std::string& culprit = arguments.culprit;
    switch (arguments.usage) {
        case FillUsage::Run:
        case FillUsage::Help:
            break;
        case FillUsage::UnknownOption:
            if (const size_t equals = culprit.find('='); equals != std::string::npos)
                return "option '" + culprit.substr(0, equals) + "' takes no value";
            return "unknown option '" + culprit + "'";
        case FillUsage::MissingValue:
            return "option '" + culprit + "' needs a value";
        case FillUsage::NoTarget:
            return "name the database: --new NAME or --existing NAME";
        case FillUsage::TwoTargets:
            return "name one database, once: --new NAME or --existing NAME";
        case FillUsage::OverwriteWithoutExisting:
            return "--overwrite goes with --existing";
        case FillUsage::BadNameFrom:
            return "--name-from takes file or emulator, not '" + culprit + "'";
        case FillUsage::BadMedia:
            if (culprit.empty())
                return "--media takes rom, disk, tape, zip separated by commas, without empty "
                       "items";
            return "--media takes rom, disk, tape, zip separated by commas, not '" + culprit + "'";
        case FillUsage::NoDirectory:
            return "give at least one DIRECTORY to add to an existing database";
    }
    return {};
}

std::string fillSynopsis() {
    return "Usage: corvane-cli fill [--base-dir DIR | --user-data]\n"
           "                        (--new NAME | --existing NAME [--overwrite])\n"
           "                        [--name-from file|emulator] [--media rom,disk,tape,zip]\n"
           "                        [--machine NAME] [--no-backup] [--no-subdirs]\n"
           "                        [--no-extra-data] DIRECTORY...\n";
}

std::string fillHelp() {
    return fillSynopsis() +
           "\n"
           "Makes a profile of every ROM, disk, hard-disk and tape image in the DIRECTORYs and in\n"
           "the ZIP archives there that the database does not hold yet, as Fill Database does in\n"
           "the launcher. A file named instead of a directory is looked at alone.\n"
           "\n"
           "  --base-dir DIR        the launcher's folder, with its settings.ini and databases\n"
           "                        (default: the current directory)\n"
           "  --user-data           the per-user folder the desktop menu's launcher uses,\n"
           "                        $XDG_DATA_HOME/corvane-launcher, made when missing\n"
           "  --new NAME            create the database NAME; without DIRECTORY it stays empty\n"
           "  --existing NAME       add to the database NAME\n"
           "  --overwrite           replace the existing database's profiles instead\n"
           "  --name-from file|emulator\n"
           "                        name profiles after their file (default) or after the title\n"
           "                        the emulator's software databases give\n"
           "  --media LIST          the loose files to take, a comma list of rom, disk, tape,\n"
           "                        zip (default: all); with zip, every medium inside archives\n"
           "  --machine NAME        the machine of the new profiles (default: MSX2 - C-BIOS, or\n"
           "                        the emulator's first machine when it has no such one)\n"
           "  --no-backup           do not back up the existing database first\n"
           "  --no-subdirs          do not search subdirectories\n"
           "  --no-extra-data       do not import extra profile data\n"
           "  --help                show this help\n"
           "\n"
           "The emulator folder and the language come from the settings.ini of the base\n"
           "directory. The completion message goes to standard output, every other message to\n"
           "standard error. Exit status: 0 done, 1 refused or failed, 2 wrong arguments, 130\n"
           "stopped by Ctrl+C (the database is left as it was).\n";
}

}  // namespace corvane
