// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FileRenameRules.h"

#include "common/AsciiCase.h"
#include "model/StoredField.h"

namespace corvane {

std::optional<std::string> shortFormatName(std::string_view fileName, const NameTaken& taken) {
    const std::optional<std::string> alias = fatShortName(fileName, taken);
    if (!alias)
        return std::nullopt;
    std::string lower = toLowerAscii(*alias);
    if (lower == fileName)
        return std::nullopt;
    return lower;
}

std::optional<std::string> nameWithExtension(std::string_view newBase, std::string_view fileName,
                                             const NameTaken& exists) {
    if (newBase.empty() || newBase.find_first_of("/\\") != std::string_view::npos ||
        !fitsDatabaseLine(newBase))
        return std::nullopt;
    const size_t dot = fileName.rfind('.');
    std::string name(newBase);
    if (dot != std::string_view::npos)
        name += fileName.substr(dot);
    if (name == "." || name == ".." || exists(name))
        return std::nullopt;
    return name;
}

}  // namespace corvane
