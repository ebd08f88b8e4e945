// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImportExtraCommand.h"

#include <optional>

#include "app/ImportExtraDataOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/ImportExtraArguments.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runImportExtra(CommandSession& session, ImportExtraArguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    const TextSource& texts = workspace.texts();
    ImportExtraDataOperation operation(workspace.store(), workspace.sha1Cache(), texts);
    if (const std::optional<std::string> key = operation.refusal(arguments.request))
        return refusedRun(context, texts, *key);

    CommandProgress progress(context, session.prompter, texts.text("PR_IMPORT_EXTRA_DATA"));
    ImportExtraDataJob job = operation.prepare(std::move(arguments.request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job),
                         job.outcome().result == RewriteOutcome::Result::Stopped);
}

}  // namespace corvane
