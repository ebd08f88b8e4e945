// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ToolRunReport.h"

#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "common/TextSource.h"

namespace corvane {

int refusedRun(const CliContext& context, const TextSource& texts, const std::string& key) {
    context.err << texts.text(key) << '\n';
    return exitCode(ExitStatus::Failed);
}

int reportToolRun(const CliContext& context, const TextSource& texts, const ToolReport& report,
                  bool stopped) {
    for (const std::string& notice : report.notices)
        context.err << notice << '\n';
    const ExitStatus status = exitStatusOf(report.result, stopped);
    // Only a stop leaves nothing done; the files are as they were.
    if (report.result == OperationResult::NothingDone)
        return exitCode(status);
    if (!report.message.empty())
        context.out << report.message << '\n' << std::flush;
    for (const std::string& note : report.notes)
        context.err << note << '\n';
    if (!report.error.empty())
        context.err << report.error << '\n';
    else if (const char* key = resultMessageKey(report.result))
        context.err << texts.text(key) << '\n';
    // A script must not take an unwritten report for success.
    return exitCode(status == ExitStatus::Done && !context.out ? ExitStatus::Failed : status);
}

}  // namespace corvane
