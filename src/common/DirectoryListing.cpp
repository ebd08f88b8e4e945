// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DirectoryListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/AsciiCase.h"
#include "common/Path.h"
#include "common/RegularFile.h"

namespace corvane {

std::optional<std::vector<std::string>> listDirectory(const std::string& directory) {
    std::error_code ec;
    std::filesystem::directory_iterator it(directory, ec);
    if (ec)
        return std::nullopt;
    std::vector<std::string> names;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    if (ec)
        return std::nullopt;
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int folded = compareIgnoreCase(a, b);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

std::optional<std::vector<std::string>> listRegularFiles(const std::string& directory) {
    std::optional<std::vector<std::string>> names = listDirectory(directory);
    if (names)
        std::erase_if(*names, [&directory](const std::string& name) {
            return !isRegularFile(joinPath(directory, name));
        });
    return names;
}

}  // namespace corvane
