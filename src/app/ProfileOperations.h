// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/OperationResult.h"

namespace corvane {

class DatabaseStore;
class Favorites;
class Game;
class Prompter;
class Sha1Cache;
class TextSource;

// Changes to profiles. Each keeps the database files, the favorites and the cached SHA-1s in
// step, so no window has to remember what follows a profile. Each acts on the profiles as the
// list showed them: when another program changed one in the file since, nothing is written
// (ChangedElsewhere) and the window loads the list again. The prompter asks whether a profile
// may replace one of its name, never while the base directory is locked.
class ProfileOperations {
public:
    ProfileOperations(DatabaseStore& store, Favorites& favorites, Sha1Cache& cache,
                      Prompter& prompter, const TextSource& texts);

    // Takes the profiles out of a database; their favorites and SHA-1s go with them.
    OperationResult removeProfiles(const std::string& database, const std::vector<Game>& listed);
    // Moves profiles of the current database into target, asking before one replaces a profile
    // of the same name there: Yes to all and No to all answer the rest of the move, Cancel ends
    // it. Favorites of the moved profiles follow them.
    OperationResult moveProfiles(const std::vector<Game>& profiles, const std::string& target);
    // Stores a profile in a database. A new one asks before it replaces a profile of the same
    // name; an edited one (edited: the profile as listed before editing) keeps its favorite
    // under its new name.
    OperationResult saveProfile(const Game& game, const std::string& database, const Game* edited);

private:
    std::string replaceQuestion(const std::string& name) const;

    DatabaseStore& store_;
    Favorites& favorites_;
    Sha1Cache& cache_;
    Prompter& prompter_;
    const TextSource& texts_;
};

}  // namespace corvane
