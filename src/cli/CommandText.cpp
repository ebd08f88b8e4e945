// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandText.h"

#include "cli/CliContext.h"
#include "cli/ExitStatus.h"

namespace corvane {

std::string commandHelp(const CommandText& text, const std::string& optionList) {
    return text.synopsis + "\n" + text.description + "\n" + optionList + "\n" + text.notes +
           exitStatusHelp();
}

int usageError(const CliContext& context, const CommandText& text, const std::string& problem) {
    context.err << "corvane-cli " << text.name << ": " << problem << '\n'
                << text.synopsis << "Try 'corvane-cli " << text.name << " --help' for more.\n";
    return exitCode(ExitStatus::Usage);
}

}  // namespace corvane
