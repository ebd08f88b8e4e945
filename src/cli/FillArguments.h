// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tools/FillRequest.h"

namespace corvane {

// How the arguments of "corvane-cli fill" were taken.
enum class FillUsage {
    Run,                       // a request to run
    Help,                      // --help: nothing else is looked at
    UnknownOption,             // an option fill does not have, or a value on one that takes none
    MissingValue,              // an option that takes a value ended the arguments
    NoTarget,                  // neither --new nor --existing
    TwoTargets,                // --new and --existing, or either twice
    OverwriteWithoutExisting,  // --overwrite with --new or alone
    BadNameFrom,               // --name-from is neither "file" nor "emulator"
    BadMedia,                  // --media empty, or an item other than rom, disk, tape, zip
    NoDirectory,               // no DIRECTORY for an existing database
};

struct FillArguments {
    FillUsage usage = FillUsage::Run;
    std::string culprit;  // the argument or item at fault
    std::string baseDirectory;
    bool baseDirectoryGiven = false;  // --base-dir was on the command line
    bool userData = false;            // --user-data: the launcher's per-user data folder
    // With the dialog's defaults for what the arguments do not say; every path made full.
    FillRequest request;
    bool machineGiven = false;  // --machine was on the command line
};

// Parses the arguments that follow "fill". Runs nothing and changes no file.
FillArguments parseFillArguments(const std::vector<std::string>& arguments,
                                 const std::string& workingDirectory);

// The line that says what is wrong with arguments that are not a run or a request for help.
std::string fillUsageProblem(const FillArguments& arguments);

// The synopsis, and the whole help text.
std::string fillSynopsis();
std::string fillHelp();

}  // namespace corvane
