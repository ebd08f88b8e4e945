// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenameCommand.h"

#include <optional>

#include "app/RenameOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/ExitStatus.h"
#include "cli/RenameArguments.h"
#include "cli/StreamPrompter.h"
#include "cli/ToolRunReport.h"
#include "i18n/LanguageManager.h"

namespace corvane {

namespace {

constexpr int kIdTotalRenamed = 1350;
constexpr int kIdTotalNotRenamed = 1351;
constexpr int kIdRenameQuestion = 1347;
constexpr int kIdRenameWarning = 1348;

// What the result window shows: both counts, then the profiles with a file not renamed.
void printTotals(const CliContext& context, const LanguageManager& languages,
                 const RenameTotals& totals) {
    context.out << languages.textForId(kIdTotalRenamed) << ": " << totals.renamed << '\n'
                << languages.textForId(kIdTotalNotRenamed) << ": " << totals.notRenamed << '\n';
    for (const std::string& name : totals.listed)
        context.out << name << '\n';
    context.out << std::flush;
}

}  // namespace

int runRenameCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    ParsedOptions<RenameArguments> parsed =
        parseRenameArguments(arguments, context.workingDirectory);
    if (auto status =
            answeredWithoutRun(context, renameText(), renameHelp(), parsed.help, parsed.problem))
        return *status;
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(parsed.common, context);
    if (!base.problem.empty())
        return usageError(context, renameText(), base.problem);

    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    const TextSource& texts = workspace.texts();
    // As OK is only enabled once Proceed is ticked.
    if (!parsed.values.confirmed) {
        context.err << workspace.languages().textForId(kIdRenameQuestion) << '\n'
                    << workspace.languages().textForId(kIdRenameWarning) << '\n'
                    << "Add --yes to proceed.\n";
        return exitCode(ExitStatus::Failed);
    }
    RenameOperation operation(workspace.store(), texts);
    if (const std::optional<std::string> key = operation.refusal(parsed.values.request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, prompter, texts.text("M_PROCESS_FILES"));
    RenameJob job = operation.prepare(parsed.values.request, workspace.softwareSources());
    job.run(progress);
    progress.end();
    const int status = reportToolRun(context, texts, operation.finish(job));
    if (job.result() != OperationResult::Done)
        return status;
    printTotals(context, workspace.languages(), job.totals());
    if (!context.out)
        return exitCode(ExitStatus::Failed);
    return exitCode(job.stopped() ? ExitStatus::Interrupted : ExitStatus::Done);
}

}  // namespace corvane
