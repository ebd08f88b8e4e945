// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliContext.h"
#include "cli/CommandText.h"
#include "cli/OptionTable.h"

namespace corvane {

class CliWorkspace;
class StreamPrompter;

// What a command's row asks the dispatcher to prepare besides the workspace, which every command
// gets (its settings give the language of the messages).
enum CommandNeeds : unsigned {
    kNeedsNothing = 0,
    kNeedsMachines = 1U << 0,       // the primary emulator's usable machines, listed
    kNeedsSoftwareIndex = 1U << 1,  // the emulator's software databases, indexed
};

// What a command's own work is handed once the shared opening is done.
struct CommandSession {
    const CliContext& context;
    StreamPrompter& prompter;
    CliWorkspace& workspace;
};

// A row of the command table: everything the dispatcher needs to know of a command. Values is
// what its options fill; work does the command's own part and gives the exit status.
template <class Values>
struct CommandRow {
    std::string_view name;
    std::string_view summary;  // one line, for the program's help
    ParsedOptions<Values> (*parse)(const std::vector<std::string>& arguments,
                                   const std::string& workingDirectory);
    const CommandText& (*text)();
    std::string (*help)();
    unsigned needs = kNeedsNothing;
    int (*work)(CommandSession& session, Values& values);
};

// The opening every command shares once its arguments are parsed: answers --help or wrong
// arguments, chooses the base directory and enters it, builds the prompter and the workspace
// and what needs asks for, then runs work. Gives the exit status.
int runOpened(const CliContext& context, const CommandText& text, std::string (*help)(),
              const OptionScan& scan, const CommonOptions& common, unsigned needs,
              const std::function<int(CommandSession&)>& work);

template <class Values>
CliCommand commandOf(const CommandRow<Values>& row) {
    return {.name = row.name,
            .summary = row.summary,
            .run = [row](const std::vector<std::string>& arguments, const CliContext& context) {
                ParsedOptions<Values> parsed = row.parse(arguments, context.workingDirectory);
                return runOpened(context, row.text(), row.help,
                                 {.help = parsed.help, .problem = parsed.problem}, parsed.common,
                                 row.needs, [&row, &parsed](CommandSession& session) {
                                     return row.work(session, parsed.values);
                                 });
            }};
}

}  // namespace corvane
