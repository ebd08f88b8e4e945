// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// A path given on the command line as a full path, as a folder chooser would give it: a relative
// one is taken from the working directory, and empty and "." components and trailing "/" are
// dropped. Up to its last "..", the path is resolved as the system resolves it (through a link,
// ".." leads to the link target's parent); what follows keeps its links. A path whose part up
// to ".." does not exist keeps its "..".
std::string argumentPath(const std::string& path, const std::string& workingDirectory);

}  // namespace corvane
