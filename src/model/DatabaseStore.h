// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

class Game;
class Prompter;
class TextSource;
class ProfileCacheHook;

enum class CreateResult { AlreadyListed = 1, Failed = 2, Created = 3 };
enum class FileResult { Failed = 2, Done = 3 };
enum class SaveResult {
    NotWritten = 0,
    Written = 1,
    No = 2,
    YesToAll = 3,
    NoToAll = 4,
    Cancel = 5
};
enum class AnswerToAll { None, YesToAll, NoToAll };
enum class BackupResult {
    NoDatabase,  // nothing to back up
    Done,
    Failed,  // reported; no backup file was left behind
};

inline bool wasWritten(SaveResult r) {
    return r == SaveResult::Written || r == SaveResult::YesToAll;
}

struct MoveOutcome {
    bool started = false;            // false when a database could not be opened
    std::vector<std::string> moved;  // names now in the target and gone from the source
};

// The launcher databases of one base directory: name.db files, numbered backups name_N.db,
// and the current database. Every rewrite replaces the file atomically, so a failure leaves
// the database as it was.
class DatabaseStore {
public:
    DatabaseStore(std::string directory, Prompter& prompter, const TextSource& texts,
                  ProfileCacheHook* cache = nullptr);

    const std::string& directory() const { return dir_; }
    std::string databasePath(const std::string& name) const;
    static std::string databaseNameOfPath(const std::string& path);

    // File names (name + ".db", the extension in exactly these letters) of the databases, built
    // from the directory on first use and kept in step by create, delete and rename afterwards.
    const std::vector<std::string>& databaseList();
    std::vector<std::string> databaseNames();

    const std::string& currentDatabaseName() const { return currentName_; }
    std::string currentDatabasePath() const;
    void setCurrentDatabase(const std::string& name) { currentName_ = name; }

    int countProfiles(const std::string& fileName) const;
    int countAllProfiles();
    static std::vector<Game> readProfiles(const std::string& path);

    CreateResult createEmptyDatabase(const std::string& name);
    // editingName: the name of the profile before editing, when the editor saves it.
    SaveResult saveProfile(const Game& game, const std::string& databasePath,
                           const std::optional<std::string>& editingName, bool batch,
                           AnswerToAll answerToAll);
    bool removeProfiles(const std::string& databasePath, const std::vector<std::string>& names);
    // Copies the database to its next numbered backup. A failure shows M_ERR_FILE_IO; the
    // caller should not go on to change the database it could not save.
    BackupResult backupDatabase(const std::string& name);
    FileResult restoreDatabase(const std::string& name);
    FileResult deleteDatabaseFiles(const std::string& name, bool deleteDatabase);
    FileResult renameDatabaseFiles(const std::string& oldName, const std::string& newName);
    // Moves the given profiles of the current database into target, asking about duplicates.
    MoveOutcome moveProfiles(const std::vector<Game>& profiles, const std::string& target);

private:
    void error(const char* key) const;
    std::vector<std::string> databaseFilesOf(const std::string& name) const;
    bool rewriteWithout(const std::string& path, const std::vector<std::string>& names,
                        const std::string* appendedLine);
    SaveResult askReplace(const std::string& name, bool batch, AnswerToAll answerToAll);

    std::string dir_;
    Prompter& prompter_;
    const TextSource& texts_;
    ProfileCacheHook* cache_;
    std::optional<std::vector<std::string>> list_;
    std::string currentName_;
};

}  // namespace corvane
