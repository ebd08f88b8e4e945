// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AdjustPathsCommand.h"

#include <optional>

#include "cli/AdjustPathsArguments.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runAdjustPaths(CommandSession& session, AdjustPathsArguments& arguments) {
    const CliContext& context = session.context;
    const TextSource& texts = session.workspace.texts();
    AdjustPathsOperation operation(session.workspace.store(), texts);
    AdjustPathsRequest& request = arguments.request;
    const AdjustPathsOperation::CurrentPath current = operation.currentRelativePath();
    if (!current.unreadable.empty()) {
        context.err << operation.unreadableText(current) << '\n';
        return exitCode(ExitStatus::Failed);
    }
    request.current = current.path;
    if (arguments.folders == 0) {
        context.out << request.current << '\n';
        return exitCode(ExitStatus::Done);
    }
    if (const std::optional<std::string> key = operation.refusal(request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, session.prompter, texts.text("PR_ADJUST_PATHS"));
    AdjustPathsJob job = operation.prepare(std::move(request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job),
                         job.result() == RewriteOutcome::Result::Stopped);
}

}  // namespace corvane
