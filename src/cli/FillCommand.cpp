// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FillCommand.h"

#include <algorithm>
#include <optional>
#include <set>

#include "app/FillOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/FillArguments.h"
#include "cli/ToolRunReport.h"
#include "emulator/MachineCatalogue.h"

namespace corvane {

namespace {

bool hasRepeatedPath(const std::vector<std::string>& paths) {
    std::set<std::string> seen;
    return std::any_of(paths.begin(), paths.end(),
                       [&seen](const std::string& path) { return !seen.insert(path).second; });
}

// A machine the emulator does not have would give profiles that cannot start. Without an
// emulator to ask, any machine is taken, as the default is.
std::optional<std::string> unknownMachineProblem(const std::vector<std::string>& machines,
                                                 const std::string& machine) {
    if (machines.empty() || std::find(machines.begin(), machines.end(), machine) != machines.end())
        return std::nullopt;
    std::string problem = "the emulator has no machine '" + machine + "'; it has:";
    for (const std::string& name : machines)
        problem += "\n  " + name;
    return problem;
}

int refused(const CliContext& context, const TextSource& texts, const std::string& key) {
    context.err << texts.text(key) << '\n';
    return exitCode(ExitStatus::Failed);
}

// The checks of a request, in the dialog's order; the exit status when one fails.
std::optional<int> checkFill(const CliContext& context, CliWorkspace& workspace,
                             FillOperation& operation, FillArguments& arguments) {
    FillRequest& request = arguments.request;
    // The dialog's list never takes a directory twice.
    if (hasRepeatedPath(request.paths))
        return refused(context, workspace.texts(), "M_ERR_DIR_EXIST");
    const std::vector<std::string>& machines = workspace.machineList();
    if (!arguments.machineGiven)
        request.machine = MachineCatalogue::defaultMachine(machines);
    else if (auto problem = unknownMachineProblem(machines, request.machine))
        return usageError(context, fillText(), *problem);
    if (const std::optional<std::string> key = operation.refusal(request))
        return refused(context, workspace.texts(), *key);
    return std::nullopt;
}

}  // namespace

int runFill(CommandSession& session, FillArguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    FillOperation operation(workspace.store(), workspace.favorites(), workspace.sha1Cache(), texts);
    if (const std::optional<int> status = checkFill(context, workspace, operation, arguments))
        return *status;

    CommandProgress progress(context, session.prompter, texts.text("L_SCANNING"));
    FillJob job = operation.prepare(std::move(arguments.request), workspace.softwareSources());
    job.run(progress);
    progress.end();
    // A fill changes nothing only when it was stopped.
    return reportToolRun(context, texts, operation.finish(job),
                         job.result() == OperationResult::NothingDone);
}

}  // namespace corvane
