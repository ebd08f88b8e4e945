// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane::crash {

// The files an operation starts from, big enough that a kill at a random moment mostly lands
// while it is writing.
class CrashFixture {
public:
    explicit CrashFixture(std::string base) : base_(std::move(base)) {}

    const std::string& base() const { return base_; }
    std::string path(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;

    // count media files media/<folder>/title-N.rom, each with its own bytes.
    std::vector<std::string> writeMedia(const std::string& folder, int first, int count) const;
    // A database of profiles "Game N" for first..first+count-1, each naming media/<folder>/
    // title-N.rom (made or not), with long enough lines.
    void writeDatabase(const std::string& name, const std::string& folder, int first,
                       int count) const;
    // A settings.ini that points at no emulator, so no software database is looked for.
    void writeSettings(const std::string& defaultDatabase, size_t argumentBytes = 0) const;
    // Extra data for every file given, by its SHA-1.
    void writeExtraData(const std::vector<std::string>& files) const;
    void writeFavorites(const std::string& database, int count) const;
    void writeSavedFilters(int count) const;

private:
    std::string base_;
};

std::string profileName(int number);

}  // namespace corvane::crash
