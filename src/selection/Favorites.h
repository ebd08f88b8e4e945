// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/DirectoryLock.h"
#include "common/FileStamp.h"

namespace corvane {

struct Favorite {
    std::string profile;
    std::string database;

    bool operator==(const Favorite&) const = default;
};

enum class FavoriteResult {
    Written,
    WriteFailed,  // the change is kept in memory; the file still holds the old content
    Unchanged,    // nothing to do, nothing written
    Invalid,      // a name holding "|" or a line break
    Busy,         // another writer kept the base directory locked: nothing changed
};

// The bookmarks of favorites.bml in the base directory: profile name "|" database name a line.
// The file is read on first use and rewritten whole, atomically, after every change. A change is
// made under the base directory's lock, to the file as another program may have left it: the
// file is read again when it is no longer the one last read or written.
class Favorites {
public:
    static constexpr const char* kFileName = "favorites.bml";

    explicit Favorites(const std::string& baseDirectory);

    const std::string& path() const { return path_; }
    void setLockWait(LockWait wait) { lockWait_ = std::move(wait); }
    // In store order; a missing or unreadable file is an empty store. A file that is there but
    // could not be read whole is never rewritten: every change then fails to be written.
    const std::vector<Favorite>& items();

    // Ignored (Unchanged) when the pair is there already. A "|" would come back as a different
    // favorite, so such names are refused.
    FavoriteResult add(const std::string& profile, const std::string& database);
    // Every favorite of the database naming one of the profiles.
    FavoriteResult removeProfiles(const std::vector<std::string>& profiles,
                                  const std::string& database);
    FavoriteResult removeOne(const std::string& profile, const std::string& database);
    FavoriteResult removeDatabase(const std::string& database);
    // Favorites follow a renamed database.
    FavoriteResult renameDatabase(const std::string& oldName, const std::string& newName);
    // The favorite of a profile follows it to its new name.
    FavoriteResult renameProfile(const std::string& oldName, const std::string& newName,
                                 const std::string& database);
    // Favorites of moved profiles follow them into the target database.
    FavoriteResult moveProfiles(const std::vector<std::string>& profiles, const std::string& source,
                                const std::string& target);
    // Ascending by profile name and database name run together, ignoring letter case; favorites
    // equal but for case keep their order.
    bool sort();

    // The popup caption: profile, three blanks, database in square brackets.
    static std::string popupCaption(const Favorite& favorite);

private:
    using Change = std::function<bool(std::vector<Favorite>&)>;

    void load();
    bool write();
    // Under the lock: reads the file again when it was changed by other means, then applies
    // change, which tells whether it changed anything, and writes.
    FavoriteResult update(const Change& change);
    // Re-points the matching favorites, dropping those the target already holds.
    FavoriteResult repoint(const std::vector<std::string>* profiles, const std::string& source,
                           const std::string& target);

    std::string directory_;
    std::string path_;
    LockWait lockWait_;
    std::optional<std::vector<Favorite>> items_;
    std::optional<FileStamp> stamp_;  // of the file as last read or written
    bool readWhole_ = false;
};

}  // namespace corvane
