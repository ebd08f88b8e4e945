// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProfileListLoader.h"

#include "common/LineReader.h"

namespace corvane {

std::optional<std::vector<Game>> loadProfileList(const std::string& path,
                                                 const std::function<bool(const Game&)>& accept,
                                                 Progress& progress) {
    int total = 0;
    {
        LineReader counter(path);
        if (!counter.isOpen())
            return std::nullopt;
        std::string line;
        while (counter.next(line))
            if (!line.empty())
                ++total;
    }
    progress.setRange(0, total);

    LineReader reader(path);
    if (!reader.isOpen())
        return std::nullopt;
    std::vector<Game> shown;
    shown.reserve(static_cast<size_t>(total));
    std::string line;
    int loaded = 0;
    Game game;
    while (reader.next(line)) {
        if (line.empty())
            continue;
        game.FromLine(line);
        if (++loaded % 20 == 0) {
            progress.setPos(loaded);
            progress.pump();
        }
        if (!accept || accept(game))
            shown.push_back(std::move(game));
    }
    progress.setPos(loaded);
    return shown;
}

}  // namespace corvane
