// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AdjustPathsCommand.h"

#include <optional>

#include "cli/AdjustPathsArguments.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/ExitStatus.h"
#include "cli/StreamPrompter.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runAdjustPathsCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    ParsedOptions<AdjustPathsArguments> parsed =
        parseAdjustPathsArguments(arguments, context.workingDirectory);
    if (auto status = answeredWithoutRun(context, adjustPathsText(), adjustPathsHelp(), parsed.help,
                                         parsed.problem))
        return *status;
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(parsed.common, context);
    if (!base.problem.empty())
        return usageError(context, adjustPathsText(), base.problem);
    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    const TextSource& texts = workspace.texts();
    AdjustPathsOperation operation(workspace.store(), texts);
    AdjustPathsRequest& request = parsed.values.request;
    request.current = operation.currentRelativePath();
    if (parsed.values.folders == 0) {
        context.out << request.current << '\n';
        return exitCode(ExitStatus::Done);
    }
    if (const std::optional<std::string> key = operation.refusal(request))
        return refusedRun(context, texts, *key);
    CommandProgress progress(context, prompter, texts.text("PR_ADJUST_PATHS"));
    AdjustPathsJob job = operation.prepare(std::move(request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job));
}

}  // namespace corvane
