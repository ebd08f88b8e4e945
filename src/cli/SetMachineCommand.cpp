// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetMachineCommand.h"

#include <algorithm>
#include <optional>

#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/ExitStatus.h"
#include "cli/SetMachineArguments.h"
#include "cli/StreamPrompter.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runSetMachineCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    ParsedOptions<SetMachineArguments> parsed =
        parseSetMachineArguments(arguments, context.workingDirectory);
    if (auto status = answeredWithoutRun(context, setMachineText(), setMachineHelp(), parsed.help,
                                         parsed.problem))
        return *status;
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(parsed.common, context);
    if (!base.problem.empty())
        return usageError(context, setMachineText(), base.problem);
    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    const TextSource& texts = workspace.texts();
    SetMachineOperation operation(workspace.store(), workspace.sha1Cache(), texts);
    SetMachineRequest& request = parsed.values.request;
    // The window offers only the emulator's machines; without an emulator to ask, any is taken.
    const std::vector<std::string>& machines = workspace.machineList();
    if (!request.options.minimumMachine && !machines.empty() &&
        std::find(machines.begin(), machines.end(), request.options.machine) == machines.end())
        return usageError(context, setMachineText(),
                          "the emulator has no machine '" + request.options.machine + "'");
    if (const std::optional<std::string> key = operation.refusal(request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, prompter, texts.text("PR_SET_MACHINE"));
    SetMachineJob job = operation.prepare(std::move(request), machines);
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job));
}

}  // namespace corvane
