// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/ProfileSearch.h"

#include <algorithm>

#include "common/AsciiCase.h"
#include "common/CaseFoldedSearch.h"
#include "common/Path.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "model/ProfileFile.h"

namespace corvane {

std::optional<SearchPlan> ProfileSearch::plan(std::string_view typed) {
    lastText_ = trimBlanks(typed);
    if (lastText_.empty())
        return std::nullopt;
    return SearchPlan{lastText_, store_.directory(), store_.databaseList()};
}

SearchResult ProfileSearch::run(const SearchPlan& plan, Progress& progress) {
    // Typed text arrives as UTF-8 while names written on Windows are Windows-1252: both are
    // compared as the windows show them.
    CaseFoldedSearch needle(plan.text);
    SearchResult result;
    std::int64_t examined = 0;
    for (const std::string& file : plan.files) {
        if (progress.cancelled()) {
            result.stopped = true;
            break;
        }
        const std::string database = DatabaseStore::databaseNameOfPath(file);
        progress.setStatus(database);
        const ReadResult read =
            forEachProfile(joinPath(plan.directory, file), [&](const ProfileLine& line) {
                // The name is the line's first field; the rest of the record plays no part.
                const std::string_view name = line.name();
                if (needle.foundIn(name))
                    result.hits.push_back({std::string(name), database});
                if (++examined % 20 == 0) {
                    progress.setPosition(examined);
                    result.stopped = progress.cancelled();
                }
                return !result.stopped;
            });
        if (result.stopped)
            break;
        // Only a database gone since the list was made is passed over.
        if (read == ReadResult::Unreadable) {
            result.unreadable = database;
            break;
        }
    }
    if (result.stopped || !result.unreadable.empty()) {
        result.hits.clear();
        return result;
    }
    std::ranges::stable_sort(result.hits, [](const SearchHit& a, const SearchHit& b) {
        return compareIgnoreCase(a.profile, b.profile) < 0;
    });
    return result;
}

std::optional<SearchResult> ProfileSearch::find(std::string_view typed, Progress& progress) {
    const std::optional<SearchPlan> planned = plan(typed);
    if (!planned)
        return std::nullopt;
    return run(*planned, progress);
}

}  // namespace corvane
