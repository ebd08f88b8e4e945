// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ImportExtraCommand.h"

#include <optional>

#include "app/ImportExtraDataOperation.h"
#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandProgress.h"
#include "cli/ExitStatus.h"
#include "cli/ImportExtraArguments.h"
#include "cli/StreamPrompter.h"
#include "cli/ToolRunReport.h"

namespace corvane {

int runImportExtraCommand(const std::vector<std::string>& arguments, const CliContext& context) {
    ParsedOptions<ImportExtraArguments> parsed =
        parseImportExtraArguments(arguments, context.workingDirectory);
    if (auto status = answeredWithoutRun(context, importExtraText(), importExtraHelp(), parsed.help,
                                         parsed.problem))
        return *status;
    const BaseDirectoryChoice base = CliWorkspace::chooseDirectory(parsed.common, context);
    if (!base.problem.empty())
        return usageError(context, importExtraText(), base.problem);

    StreamPrompter prompter(context.err);
    CliWorkspace workspace(base.directory, prompter, context);
    const TextSource& texts = workspace.texts();
    ImportExtraDataOperation operation(workspace.store(), workspace.sha1Cache(), texts);
    if (const std::optional<std::string> key = operation.refusal(parsed.values.request))
        return refusedRun(context, texts, *key);

    CommandProgress progress(context, prompter, texts.text("PR_IMPORT_EXTRA_DATA"));
    ImportExtraDataJob job = operation.prepare(std::move(parsed.values.request));
    job.run(progress);
    progress.end();
    return reportToolRun(context, texts, operation.finish(job));
}

}  // namespace corvane
