// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileSearch.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/CaseFoldedSearch.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"

namespace corvane {

std::optional<SearchPlan> ProfileSearch::plan(std::string_view typed) {
    lastText_ = trimBlanks(typed);
    if (lastText_.empty())
        return std::nullopt;
    return SearchPlan{lastText_, store_.directory(), store_.databaseList()};
}

std::optional<std::vector<SearchHit>> ProfileSearch::run(const SearchPlan& plan,
                                                         Progress& progress) {
    // Typed text arrives as UTF-8 while names written on Windows are Windows-1252: both are
    // compared as the windows show them.
    CaseFoldedSearch needle(plan.text);
    std::vector<SearchHit> hits;
    std::int64_t examined = 0;
    std::string line;
    for (const std::string& file : plan.files) {
        if (progress.cancelled())
            return std::nullopt;
        LineReader reader(joinPath(plan.directory, file));
        if (!reader.isOpen())
            continue;
        const std::string database = DatabaseStore::databaseNameOfPath(file);
        progress.setStatus(database);
        while (reader.next(line)) {
            if (line.empty())
                continue;
            // The name is the line's first field; the rest of the record plays no part.
            const std::string_view name = profileNameOfLine(line);
            if (needle.foundIn(name))
                hits.push_back({std::string(name), database});
            if (++examined % 20 == 0) {
                progress.setPosition(examined);
                if (progress.cancelled())
                    return std::nullopt;
            }
        }
    }
    std::ranges::stable_sort(hits, [](const SearchHit& a, const SearchHit& b) {
        return compareIgnoreCase(a.profile, b.profile) < 0;
    });
    return hits;
}

std::optional<std::vector<SearchHit>> ProfileSearch::find(std::string_view typed,
                                                          Progress& progress) {
    const std::optional<SearchPlan> planned = plan(typed);
    if (!planned)
        return std::nullopt;
    return run(*planned, progress);
}

}  // namespace corvane
