// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/OperationResult.h"

namespace corvane {

class DatabaseStore;
class Favorites;
class Game;
class Sha1Cache;

// What an overwritten database's new profiles are to its old ones.
enum class OverwriteMode {
    Replace,  // a new set (a database filled anew): its favorites and cached SHA-1s go
    Update,   // the old profiles, changed or not, maybe with new ones: favorites stay with the
              // profiles that remain, SHA-1s with the profiles whose main medium stayed
};

// Changes to whole databases. Each keeps the database files, the favorites, the cached SHA-1s
// and the current database in step, so no window has to remember what follows a database.
class DatabaseOperations {
public:
    DatabaseOperations(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache);

    // Gives a database and its backups the name the user typed (blanks at both ends dropped).
    // The current database follows the new name; its own name changes nothing.
    OperationResult renameDatabase(const std::string& name, const std::string& typedNewName);
    // Deletes the backups of a database and, with withDatabase, the database and its favorites;
    // when it was the current one, no database is current afterwards.
    OperationResult deleteDatabase(const std::string& name, bool withDatabase);
    // Puts the newest backup in the database's place.
    OperationResult restoreDatabase(const std::string& name);
    // Gives a database exactly these profiles, creating it when it is new; with backup, only
    // after its next numbered backup was made. The current database stays as it is.
    OperationResult overwriteDatabase(const std::string& name, const std::vector<Game>& profiles,
                                      OverwriteMode mode, bool backup);

private:
    DatabaseStore& store_;
    Favorites& favorites_;
    Sha1Cache& cache_;
};

}  // namespace corvane
