// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DatabaseName.h"

#include "common/AsciiCase.h"

namespace corvane {

std::optional<std::string> validDatabaseName(const std::string& typed) {
    const std::string name(trimBlanks(typed));
    // Separators would leave the folder, "|" and line breaks would break the files that name
    // databases, and "_" marks backups, so such a database would vanish from the list.
    if (name.empty() || name.find_first_of("/\\|_\r\n") != std::string::npos || name == "." ||
        name == "..")
        return std::nullopt;
    return name;
}

}  // namespace corvane
