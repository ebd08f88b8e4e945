// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenameCommand.h"

#include <optional>

#include "app/RenameOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/RenameArguments.h"
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

int runRename(CommandSession& session, RenameArguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    // As OK is only enabled once Proceed is ticked.
    if (!arguments.confirmed) {
        context.err << workspace.languages().textForId(kIdRenameQuestion) << '\n'
                    << workspace.languages().textForId(kIdRenameWarning) << '\n'
                    << "Add --yes to proceed.\n";
        return exitCode(ExitStatus::Failed);
    }
    RenameOperation operation(workspace.store(), texts);
    if (const std::optional<std::string> key = operation.refusal(arguments.request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, session.prompter, texts.text("M_PROCESS_FILES"));
    RenameJob job = operation.prepare(arguments.request, workspace.softwareSources());
    job.run(progress);
    progress.end();
    const int status = reportToolRun(context, texts, operation.finish(job), job.stopped());
    if (job.result() != OperationResult::Done)
        return status;
    printTotals(context, workspace.languages(), job.totals());
    return context.out ? status : exitCode(ExitStatus::Failed);
}

}  // namespace corvane
