// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CsvExportCommand.h"

#include <optional>

#include "app/CsvExportOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/CsvExportArguments.h"
#include "cli/ExitStatus.h"
#include "cli/ToolRunReport.h"

namespace corvane {

namespace {

// The checks of the dialog, the question answered by --force; the exit status when one fails.
std::optional<int> checkExport(const CliContext& context, const TextSource& texts,
                               CsvExportOperation& operation, CsvExportArguments& arguments) {
    std::optional<std::string> key = operation.refusal(arguments.request);
    if (!key && !arguments.toStandardOutput && !arguments.force &&
        CsvExportOperation::replacesFile(arguments.request))
        key = "M_FILE_EXIST_REPLACE";
    if (!key)
        return std::nullopt;
    context.err << texts.text(*key) << '\n';
    return exitCode(ExitStatus::Failed);
}

}  // namespace

int runCsvExport(CommandSession& session, CsvExportArguments& values) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    CsvExportOperation operation(workspace.store(), workspace.sha1Cache(), texts);
    if (const std::optional<int> status = checkExport(context, texts, operation, values))
        return *status;

    CommandProgress progress(context, session.prompter, texts.text("PR_GENERATE_CSV"));
    CsvExportJob job = operation.prepare(values.request, workspace.softwareSources());
    if (values.toStandardOutput)
        job.runTo(context.out, progress);
    else
        job.run(progress);
    progress.end();
    // Standard output carries the rows themselves when FILE is "-".
    const CliContext messages{.out = values.toStandardOutput ? context.err : context.out,
                              .err = context.err,
                              .workingDirectory = context.workingDirectory,
                              .terminalColumns = context.terminalColumns,
                              .interrupted = context.interrupted,
                              .lockWait = context.lockWait,
                              .xdgDataHome = context.xdgDataHome,
                              .home = context.home,
                              .searchPath = context.searchPath,
                              .enterDirectory = context.enterDirectory};
    return reportToolRun(messages, texts, operation.finish(job), job.stopped());
}

}  // namespace corvane
