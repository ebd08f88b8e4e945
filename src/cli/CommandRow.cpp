// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandRow.h"

#include "cli/CliWorkspace.h"
#include "cli/ExitStatus.h"
#include "cli/StreamPrompter.h"

namespace corvane {

namespace {

// A profile's relative media paths are taken from the working directory, so the real process
// works in the base directory, as the window does. Paths on the command line were made full
// from the working directory before; one that stayed relative (the working directory has no name
// any more) would then name a file in the base directory, so the working directory is kept.
bool enterBaseDirectory(const CliContext& context, const std::string& directory) {
    if (!context.enterDirectory || !context.workingDirectory.starts_with('/'))
        return true;
    return context.enterDirectory(directory);
}

}  // namespace

int runOpened(const CliContext& context, const CommandText& text, std::string (*help)(),
              const OptionScan& scan, const CommonOptions& common, unsigned needs,
              const std::function<int(CommandSession&)>& work) {
    if (scan.help) {
        context.out << help();
        return exitCode(ExitStatus::Done);
    }
    if (!scan.problem.empty())
        return usageError(context, text, scan.problem);
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(common, context);
    if (!base.problem.empty())
        return usageError(context, text, base.problem);
    if (!enterBaseDirectory(context, base.directory))
        return usageError(context, text, "cannot enter " + base.directory);

    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    if ((needs & kNeedsMachines) != 0)
        workspace.machineList();
    if ((needs & kNeedsSoftwareIndex) != 0)
        workspace.softwareIndex();
    CommandSession session{.context = context, .prompter = prompter, .workspace = workspace};
    return work(session);
}

}  // namespace corvane
