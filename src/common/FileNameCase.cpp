// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileNameCase.h"

#include <filesystem>
#include <system_error>

#include "common/AsciiCase.h"
#include "common/Path.h"

namespace corvane {

std::optional<std::string> findFileIgnoringCase(const std::string& path) {
    if (fileExists(path))
        return path;
    const size_t separator = lastSeparator(path);
    const std::string_view name =
        separator == std::string::npos ? std::string_view(path) : lastComponent(path);
    if (name.empty())
        return std::nullopt;
    std::string folder;
    if (separator == std::string::npos)
        folder = ".";
    else if (separator == 0)
        folder = std::string(1, path[0]);
    else
        folder = path.substr(0, separator);

    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec)
        return std::nullopt;
    std::optional<std::string> best;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (!equalsIgnoreCase(entry, name) || (best && *best <= entry))
            continue;
        // A dangling link named like the file is no file.
        if (fileExists(joinPath(folder, entry)))
            best = std::move(entry);
    }
    if (!best)
        return std::nullopt;
    return path.substr(0, separator == std::string::npos ? 0 : separator + 1) + *best;
}

}  // namespace corvane
