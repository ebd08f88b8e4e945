// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/IpsCommand.h"

#include "app/IpsOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/IpsArguments.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runIps(CommandSession& session, IpsArguments& arguments) {
    const CliContext& context = session.context;
    const TextSource& texts = session.workspace.texts();
    IpsRequest& request = arguments.request;
    if (const std::optional<std::string> key = IpsOperation::refusal(request))
        return refusedRun(context, texts, *key);
    // Ctrl+C stops the SHA-1 check; the patch itself is written whole or not at all.
    CommandProgress progress(context, session.prompter, texts.text("PR_PATCH"));
    IpsJob job(std::move(request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, IpsOperation(texts).finish(job), job.stopped());
}

}  // namespace corvane
