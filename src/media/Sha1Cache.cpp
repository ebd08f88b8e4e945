// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/Sha1Cache.h"

#include "media/ProfileSha1.h"
#include "model/Game.h"

namespace corvane {

std::string Sha1Cache::get(const Game& game, const std::string& database) {
    return ProfileSha1(game, database, *this);
}

bool Sha1Cache::contains(const std::string& profileName, const std::string& database) const {
    const auto db = databases_.find(database);
    return db != databases_.end() && db->second.contains(profileName);
}

std::string Sha1Cache::find(const std::string& profileName, const std::string& database) const {
    const auto db = databases_.find(database);
    if (db == databases_.end())
        return {};
    const auto entry = db->second.find(profileName);
    return entry == db->second.end() ? std::string{} : entry->second;
}

void Sha1Cache::store(const std::string& profileName, const std::string& database,
                      const std::string& sha1) {
    if (sha1.empty())
        return;
    databases_[database][profileName] = sha1;
}

void Sha1Cache::erase(const std::string& profileName, const std::string& database) {
    const auto db = databases_.find(database);
    if (db == databases_.end())
        return;
    db->second.erase(profileName);
    if (db->second.empty())
        databases_.erase(db);
}

void Sha1Cache::dropDatabase(const std::string& database) {
    databases_.erase(database);
}

void Sha1Cache::renameDatabase(const std::string& oldName, const std::string& newName) {
    if (oldName == newName)
        return;
    auto node = databases_.extract(oldName);
    // Whatever was cached under the new name belonged to a database that no longer has it.
    databases_.erase(newName);
    if (node.empty())
        return;
    node.key() = newName;
    databases_.insert(std::move(node));
}

void Sha1Cache::profileRemoved(const std::string& profileName, const std::string& database) {
    erase(profileName, database);
}

void Sha1Cache::profileWritten(const Game& game, const std::string& database) {
    // The medium may have changed with the profile: the old value must not survive.
    erase(game.name, database);
    get(game, database);
}

}  // namespace corvane
