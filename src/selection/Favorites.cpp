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
    : path_(joinPath(baseDirectory, kFileName)) {}

void Favorites::load() {
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

FavoriteResult Favorites::writeIf(bool changed) {
    if (!changed)
        return FavoriteResult::Unchanged;
    return write() ? FavoriteResult::Written : FavoriteResult::WriteFailed;
}

FavoriteResult Favorites::add(const std::string& profile, const std::string& database) {
    if (!fitsDatabaseLine(profile) || !fitsDatabaseLine(database))
        return FavoriteResult::Invalid;
    Favorite favorite{profile, database};
    const std::vector<Favorite>& all = items();
    if (std::ranges::find(all, favorite) != all.end())
        return FavoriteResult::Unchanged;
    items_->push_back(std::move(favorite));
    return writeIf(true);
}

FavoriteResult Favorites::removeProfiles(const std::vector<std::string>& profiles,
                                         const std::string& database) {
    const NameSet names(profiles.begin(), profiles.end());
    items();
    const size_t removed = std::erase_if(*items_, [&](const Favorite& f) {
        return f.database == database && names.contains(f.profile);
    });
    return writeIf(removed > 0);
}

FavoriteResult Favorites::removeOne(const std::string& profile, const std::string& database) {
    return removeProfiles({profile}, database);
}

FavoriteResult Favorites::removeDatabase(const std::string& database) {
    items();
    const size_t removed =
        std::erase_if(*items_, [&](const Favorite& f) { return f.database == database; });
    return writeIf(removed > 0);
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
    items();
    // The popup must not list one profile twice, whatever stood under the new name before.
    bool taken = std::ranges::find(*items_, Favorite{newName, database}) != items_->end();
    bool changed = false;
    std::vector<Favorite> kept;
    kept.reserve(items_->size());
    for (Favorite& f : *items_) {
        if (f.database == database && f.profile == oldName) {
            changed = true;
            if (taken)
                continue;
            f.profile = newName;
            taken = true;
        }
        kept.push_back(std::move(f));
    }
    *items_ = std::move(kept);
    return writeIf(changed);
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
    items();
    std::optional<NameSet> names;
    if (profiles)
        names.emplace(profiles->begin(), profiles->end());
    // A profile moved over an equally named one that was a favorite already must not appear
    // twice in the popup.
    NameSet inTarget;
    for (const Favorite& f : *items_)
        if (f.database == target)
            inTarget.insert(f.profile);
    bool changed = false;
    std::vector<Favorite> kept;
    kept.reserve(items_->size());
    for (Favorite& f : *items_) {
        if (f.database == source && (!names || names->contains(f.profile))) {
            changed = true;
            if (!inTarget.insert(f.profile).second)
                continue;
            f.database = target;
        }
        kept.push_back(std::move(f));
    }
    *items_ = std::move(kept);
    return writeIf(changed);
}

bool Favorites::sort() {
    items();
    std::ranges::stable_sort(*items_, [](const Favorite& a, const Favorite& b) {
        return compareIgnoreCase(a.profile + a.database, b.profile + b.database) < 0;
    });
    return write();
}

bool Favorites::write() {
    items();
    // Rewriting a file that could not be read whole would lose the favorites it holds.
    if (!readWhole_)
        return false;
    AtomicFileWriter writer(path_);
    for (const Favorite& f : *items_)
        writer.writeLine(f.profile + "|" + f.database);
    return writer.commit();
}

std::string Favorites::popupCaption(const Favorite& favorite) {
    return favorite.profile + "   [" + favorite.database + "]";
}

}  // namespace corvane
