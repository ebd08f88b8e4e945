// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/Favorites.h"

#include <algorithm>
#include <set>

#include "common/AsciiCase.h"
#include "common/AtomicFile.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "model/CParseIt.h"
#include "model/StoredField.h"

namespace corvane {

namespace {

using NameSet = std::set<std::string, std::less<>>;

}  // namespace

Favorites::Favorites(const std::string& baseDirectory)
    : directory_(baseDirectory), path_(joinPath(baseDirectory, kFileName)) {}

void Favorites::load() {
    // Taken first: a change made while the file is read makes the next change read it again.
    stamp_ = fileStamp(path_);
    items_.emplace();
    LineReader reader(path_);
    std::string line;
    while (reader.next(line)) {
        if (line.empty())
            continue;
        CParseIt parser;
        parser.Parse(line, "|");
        Favorite favorite;
        parser.GetField(1, favorite.profile);
        parser.GetField(2, favorite.database);
        items_->push_back(std::move(favorite));
    }
    readWhole_ = reader.isOpen() ? !reader.failed() : reader.missing();
}

const std::vector<Favorite>& Favorites::items() {
    if (!items_)
        load();
    return *items_;
}

FavoriteResult Favorites::update(const Change& change) {
    const DirectoryLock lock(directory_, lockWait_);
    if (!lock.held())
        return lock.busy() ? FavoriteResult::Busy : FavoriteResult::WriteFailed;
    // A change kept in memory after a failed write stays, unless the file has moved on.
    if (!items_ || fileStamp(path_) != stamp_)
        load();
    if (!change(*items_))
        return FavoriteResult::Unchanged;
    return write() ? FavoriteResult::Written : FavoriteResult::WriteFailed;
}

FavoriteResult Favorites::add(const std::string& profile, const std::string& database) {
    if (!fitsDatabaseLine(profile) || !fitsDatabaseLine(database))
        return FavoriteResult::Invalid;
    return update([&](std::vector<Favorite>& all) {
        Favorite favorite{profile, database};
        if (std::ranges::find(all, favorite) != all.end())
            return false;
        all.push_back(std::move(favorite));
        return true;
    });
}

FavoriteResult Favorites::removeProfiles(const std::vector<std::string>& profiles,
                                         const std::string& database) {
    const NameSet names(profiles.begin(), profiles.end());
    return update([&](std::vector<Favorite>& all) {
        return std::erase_if(all, [&](const Favorite& f) {
                   return f.database == database && names.contains(f.profile);
               }) > 0;
    });
}

FavoriteResult Favorites::removeOne(const std::string& profile, const std::string& database) {
    return removeProfiles({profile}, database);
}

FavoriteResult Favorites::removeDatabase(const std::string& database) {
    return update([&](std::vector<Favorite>& all) {
        return std::erase_if(all, [&](const Favorite& f) { return f.database == database; }) > 0;
    });
}

FavoriteResult Favorites::renameDatabase(const std::string& oldName, const std::string& newName) {
    if (!fitsDatabaseLine(newName))
        return FavoriteResult::Invalid;
    return repoint(nullptr, oldName, newName);
}

FavoriteResult Favorites::renameProfile(const std::string& oldName, const std::string& newName,
                                        const std::string& database) {
    if (!fitsDatabaseLine(newName))
        return FavoriteResult::Invalid;
    if (oldName == newName)
        return FavoriteResult::Unchanged;
    return update([&](std::vector<Favorite>& all) {
        // The popup must not list one profile twice, whatever stood under the new name before.
        bool taken = std::ranges::find(all, Favorite{newName, database}) != all.end();
        bool changed = false;
        std::vector<Favorite> kept;
        kept.reserve(all.size());
        for (Favorite& f : all) {
            if (f.database == database && f.profile == oldName) {
                changed = true;
                if (taken)
                    continue;
                f.profile = newName;
                taken = true;
            }
            kept.push_back(std::move(f));
        }
        all = std::move(kept);
        return changed;
    });
}

FavoriteResult Favorites::moveProfiles(const std::vector<std::string>& profiles,
                                       const std::string& source, const std::string& target) {
    if (!fitsDatabaseLine(target))
        return FavoriteResult::Invalid;
    return repoint(&profiles, source, target);
}

FavoriteResult Favorites::repoint(const std::vector<std::string>* profiles,
                                  const std::string& source, const std::string& target) {
    if (source == target)
        return FavoriteResult::Unchanged;
    std::optional<NameSet> names;
    if (profiles)
        names.emplace(profiles->begin(), profiles->end());
    return update([&](std::vector<Favorite>& all) {
        // A profile moved over an equally named one that was a favorite already must not
        // appear twice in the popup.
        NameSet inTarget;
        for (const Favorite& f : all)
            if (f.database == target)
                inTarget.insert(f.profile);
        bool changed = false;
        std::vector<Favorite> kept;
        kept.reserve(all.size());
        for (Favorite& f : all) {
            if (f.database == source && (!names || names->contains(f.profile))) {
                changed = true;
                if (!inTarget.insert(f.profile).second)
                    continue;
                f.database = target;
            }
            kept.push_back(std::move(f));
        }
        all = std::move(kept);
        return changed;
    });
}

bool Favorites::sort() {
    return update([](std::vector<Favorite>& all) {
               std::ranges::stable_sort(all, [](const Favorite& a, const Favorite& b) {
                   return compareIgnoreCase(a.profile + a.database, b.profile + b.database) < 0;
               });
               return true;
           }) == FavoriteResult::Written;
}

bool Favorites::write() {
    // Rewriting a file that could not be read whole would lose the favorites it holds.
    if (!readWhole_)
        return false;
    AtomicFileWriter writer(path_);
    for (const Favorite& f : *items_)
        writer.writeLine(f.profile + "|" + f.database);
    if (!writer.commit())
        return false;
    stamp_ = fileStamp(path_);
    return true;
}

std::string Favorites::popupCaption(const Favorite& favorite) {
    return favorite.profile + "   [" + favorite.database + "]";
}

}  // namespace corvane
