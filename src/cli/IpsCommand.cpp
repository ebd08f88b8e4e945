// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IpsCommand.h"

#include "app/IpsOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/ExitStatus.h"
#include "cli/IpsArguments.h"
#include "cli/StreamPrompter.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runIpsCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    ParsedOptions<IpsArguments> parsed = parseIpsArguments(arguments, context.workingDirectory);
    if (auto status =
            answeredWithoutRun(context, ipsText(), ipsHelp(), parsed.help, parsed.problem))
        return *status;
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(parsed.common, context);
    if (!base.problem.empty())
        return usageError(context, ipsText(), base.problem);

    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    const TextSource& texts = workspace.texts();
    IpsRequest& request = parsed.values.request;
    if (const std::optional<std::string> key = IpsOperation::refusal(request))
        return refusedRun(context, texts, *key);
    // Ctrl+C stops the SHA-1 check; the patch itself is written whole or not at all.
    CommandProgress progress(context, prompter, texts.text("PR_PATCH"));
    IpsJob job(std::move(request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, IpsOperation(texts).finish(job));
}

}  // namespace corvane
