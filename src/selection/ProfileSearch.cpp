// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileSearch.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/CaseFoldedSearch.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

std::optional<std::vector<SearchHit>> ProfileSearch::find(std::string_view typed,
                                                          Progress& progress) {
    lastText_ = trimBlanks(typed);
    if (lastText_.empty())
        return std::nullopt;
    // Typed text arrives as UTF-8 while names written on Windows are Windows-1252: both are
    // compared as the windows show them.
    CaseFoldedSearch needle(lastText_);
    std::vector<SearchHit> hits;
    int examined = 0;
    std::string line;
    for (const std::string& file : store_.databaseList()) {
        LineReader reader(joinPath(store_.directory(), file));
        if (!reader.isOpen())
            continue;
        const std::string database = DatabaseStore::databaseNameOfPath(file);
        while (reader.next(line)) {
            if (line.empty())
                continue;
            // The name is the line's first field; the rest of the record plays no part.
            const std::string_view name = profileNameOfLine(line);
            if (needle.foundIn(name))
                hits.push_back({std::string(name), database});
            if (++examined % 20 == 0) {
                progress.setPos(examined);
                progress.pump();
            }
        }
    }
    std::ranges::stable_sort(hits, [](const SearchHit& a, const SearchHit& b) {
        return compareIgnoreCase(a.profile, b.profile) < 0;
    });
    return hits;
}

}  // namespace corvane
