// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FillCommand.h"

#include <algorithm>
#include <optional>
#include <set>

#include "app/BaseDirectoryChoice.h"
#include "app/CCorvaneLauncherApp.h"
#include "app/FillOperation.h"
#include "cli/CliContext.h"
#include "cli/CliFillProgress.h"
#include "cli/ExitStatus.h"
#include "cli/FillArguments.h"
#include "cli/ProgressLine.h"
#include "cli/StreamPrompter.h"
#include "emulator/MachineCatalogue.h"

namespace corvane {

namespace {

int usageError(const CliContext& context, const std::string& problem) {
    context.err << "corvane-cli fill: " << problem << '\n'
                << fillSynopsis() << "Try 'corvane-cli fill --help' for more.\n";
    return exitCode(ExitStatus::Usage);
}

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

}  // namespace

int runFillCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    FillArguments parsed = parseFillArguments(arguments, context.workingDirectory);
    if (parsed.usage == FillUsage::Help) {
        context.out << fillHelp();
        return exitCode(ExitStatus::Done);
    }
    if (parsed.usage != FillUsage::Run)
        return usageError(context, fillUsageProblem(parsed));

    // The launcher's own choice, so that --user-data finds the desktop start's files and a
    // folder that is not there is named rather than failing as an I/O error later.
    StartOptions startOptions;
    if (parsed.baseDirectoryGiven)
        startOptions.baseDirectory = parsed.baseDirectory;
    startOptions.userData = parsed.userData;
    const BaseDirectoryChoice base =
        chooseBaseDirectory(startOptions, {.workingDirectory = context.workingDirectory,
                                           .xdgDataHome = context.xdgDataHome,
                                           .home = context.home});
    if (!base.problem.empty())
        return usageError(context, base.problem);

    // Before the prompter, which clears it before a message.
    std::optional<ProgressLine> line;
    StreamPrompter prompter(context.err);
    CCorvaneLauncherApp app(base.directory, prompter);
    app.loadSettings();
    app.setLockWait(context.lockWait);
    const TextSource& texts = app.texts();
    const std::string corvanePath = app.corvanePath();
    auto refuse = [&](const std::string& key) {
        context.err << texts.text(key) << '\n';
        return exitCode(ExitStatus::Failed);
    };

    // The dialog's list never takes a directory twice.
    if (hasRepeatedPath(parsed.request.paths))
        return refuse("M_ERR_DIR_EXIST");
    const std::vector<std::string>& machines = app.machineList();
    if (!parsed.machineGiven)
        parsed.request.machine = MachineCatalogue::defaultMachine(machines);
    else if (auto problem = unknownMachineProblem(machines, parsed.request.machine))
        return usageError(context, *problem);
    FillOperation operation(app.store(), app.favorites(), app.sha1Cache(), texts);
    if (const std::optional<std::string> refused = operation.refusal(parsed.request))
        return refuse(*refused);

    if (context.terminalColumns > 0) {
        line.emplace(context.err, context.terminalColumns);
        prompter.setBeforeMessage([&line] { line->clear(); });
    }
    CliFillProgress progress(context.interrupted, line ? &*line : nullptr,
                             texts.text("L_SCANNING"));
    FillJob job = operation.prepare(std::move(parsed.request), app.softwareSources());
    job.run(progress);
    if (line)
        line->clear();
    const ToolReport report = operation.finish(job);
    for (const std::string& notice : report.notices)
        prompter.message(notice, MessageKind::Plain);
    // Only a stop leaves nothing done; the database is as it was.
    if (report.result == OperationResult::NothingDone)
        return exitCode(context.interrupted ? ExitStatus::Interrupted : ExitStatus::Failed);

    if (!report.message.empty())
        context.out << report.message << '\n' << std::flush;
    for (const std::string& note : report.notes)
        context.err << note << '\n';
    if (const char* key = resultMessageKey(report.result))
        return refuse(key);
    // A script must not take an unwritten report for success.
    return exitCode(context.out ? ExitStatus::Done : ExitStatus::Failed);
}

}  // namespace corvane
