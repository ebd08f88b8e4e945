// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct CliContext;

// "corvane-cli import-extra": the extra data into the base directory's databases, with the
// launcher's checks and messages. Takes the arguments after "import-extra"; gives the exit
// status.
int runImportExtraCommand(const std::vector<std::string>& arguments, const CliContext& context);

}  // namespace corvane
