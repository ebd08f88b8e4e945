// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileListLoader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "common/LineReader.h"

namespace corvane {

std::optional<std::vector<std::string>> loadProfileList(
    const std::string& path, const std::function<bool(const Game&)>& accept, Progress& progress) {
    LineReader reader(path);
    if (!reader.isOpen())
        return std::nullopt;
    // One pass: the progress range is the file's size in kilobytes, the position what was read.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::int64_t total =
        error ? 0 : static_cast<std::int64_t>(std::min<std::uintmax_t>(size / 1024, INT64_MAX));
    progress.setRange(total);
    std::vector<std::string> shown;
    std::string line;
    std::uintmax_t bytesRead = 0;
    int loaded = 0;
    Game game;
    while (reader.next(line)) {
        bytesRead += line.size() + 2;
        if (line.empty())
            continue;
        if (++loaded % 20 == 0)
            progress.setPosition(std::min(static_cast<std::int64_t>(bytesRead / 1024), total));
        // Without a test to pass, a line need not become a record at all.
        if (accept) {
            game.FromLine(line);
            if (!accept(game))
                continue;
        }
        shown.push_back(line);
    }
    progress.setPosition(total);
    return shown;
}

}  // namespace corvane
