// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileListLoader.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "common/FileStamp.h"

namespace corvane {

ProfileList loadProfileList(const std::string& path, const std::function<bool(const Game&)>& accept,
                            Progress& progress) {
    // One pass: the progress range is the file's size in kilobytes, the position what was read.
    const std::optional<FileStamp> stamp = fileStamp(path);
    const std::int64_t total = stamp ? stamp->size / 1024 : 0;
    progress.setRange(total);
    ProfileList list;
    std::int64_t bytesRead = 0;
    int loaded = 0;
    Game game;
    list.read = forEachProfile(path, [&](const ProfileLine& line) {
        bytesRead += static_cast<std::int64_t>(line.bytes.size()) + 2;
        if (++loaded % 20 == 0)
            progress.setPosition(std::min(bytesRead / 1024, total));
        // Without a test to pass, a line need not become a record at all.
        if (accept) {
            game.FromLine(line.bytes);
            if (!accept(game))
                return true;
        }
        list.lines.emplace_back(line.bytes);
        return true;
    });
    if (list.read != ReadResult::Done)
        list.lines.clear();
    progress.setPosition(total);
    return list;
}

}  // namespace corvane
