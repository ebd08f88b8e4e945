// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetMachineCommand.h"

#include <algorithm>
#include <optional>

#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/SetMachineArguments.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runSetMachine(CommandSession& session, SetMachineArguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    SetMachineOperation operation(workspace.store(), workspace.sha1Cache(), texts);
    SetMachineRequest& request = arguments.request;
    // The window offers only the emulator's machines; without an emulator to ask, any is taken.
    const std::vector<std::string>& machines = workspace.machineList();
    if (!request.options.minimumMachine && !machines.empty() &&
        std::find(machines.begin(), machines.end(), request.options.machine) == machines.end())
        return usageError(context, setMachineText(),
                          "the emulator has no machine '" + request.options.machine + "'");
    if (const std::optional<std::string> key = operation.refusal(request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, session.prompter, texts.text("PR_SET_MACHINE"));
    SetMachineJob job = operation.prepare(std::move(request), machines);
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job),
                         job.outcome().result == RewriteOutcome::Result::Stopped);
}

}  // namespace corvane
