// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/Sha1Cache.h"
#include "model/DatabaseStore.h"
#include "model/Game.h"
#include "selection/Favorites.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace corvane::test {

inline constexpr const char* kAbcSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
inline constexpr const char* kEmptySha1 = "da39a3ee5e6b4b0d3255bfef95601890afd80709";

// The three stores the operations keep in step, over real files in a temporary base directory
// that holds two media: abc.rom and empty.rom.
class OperationsFixture : public ::testing::Test {
protected:
    using List = std::vector<std::string>;

    TempDir dir;
    ScriptedPrompter prompter;
    KeyTextSource texts;
    DatabaseStore store{dir.path()};
    Favorites favorites{dir.path()};
    Sha1Cache cache;

    void SetUp() override {
        dir.write("abc.rom", "abc");
        dir.write("empty.rom", "");
    }
    Game profile(const std::string& name, const std::string& rom = "abc.rom") const {
        Game g;
        g.name = name;
        g.slot1File = dir.file(rom);
        return g;
    }
    std::string line(const std::string& name, const std::string& rom = "abc.rom") const {
        return profile(name, rom).ToLine() + "\r\n";
    }
    List names(const std::string& db) const {
        List out;
        for (const Game& g : DatabaseStore::readProfiles(dir.file(db + ".db")))
            out.push_back(g.name);
        return out;
    }
    // The favorites in memory, one "profile|database" each.
    List favoriteList() {
        List out;
        for (const Favorite& f : favorites.items())
            out.push_back(f.profile + "|" + f.database);
        return out;
    }
    bool exists(const std::string& file) const { return std::filesystem::exists(dir.file(file)); }
    // No temporary file can be made where a folder of its name stands.
    void block(const std::string& file) const { std::filesystem::create_directory(dir.file(file)); }
    void unblock(const std::string& file) const { std::filesystem::remove(dir.file(file)); }
};

}  // namespace corvane::test
