// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashFixture.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/Path.h"
#include "media/MediaHash.h"
#include "model/Game.h"
#include "model/Settings.h"
#include "selection/FilterState.h"

namespace corvane::crash {

std::string profileName(int number) {
    char text[32];
    std::snprintf(text, sizeof text, "Game %05d", number);
    return text;
}

std::string CrashFixture::path(const std::string& name) const {
    return joinPath(base_, name);
}

void CrashFixture::write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file(path(name));
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> CrashFixture::writeMedia(const std::string& folder, int first,
                                                  int count) const {
    std::vector<std::string> files;
    for (int i = first; i < first + count; ++i) {
        const std::string name = "media/" + folder + "/title-" + std::to_string(i) + ".rom";
        // Each its own bytes, so that a lost file cannot hide behind a copy of its content.
        write(name, "ROM " + std::to_string(i) + std::string(200, static_cast<char>('a' + i % 26)));
        files.push_back(path(name));
    }
    return files;
}

void CrashFixture::writeDatabase(const std::string& name, const std::string& folder, int first,
                                 int count) const {
    std::string bytes;
    for (int i = first; i < first + count; ++i) {
        Game game;
        game.name = profileName(i);
        game.slot1File = path("media/" + folder + "/title-" + std::to_string(i) + ".rom");
        game.machine = "Philips_NMS_8250";
        game.company = "Company " + std::to_string(i % 97);
        game.year = std::to_string(1983 + i % 10);
        game.country = "JP";
        game.openMsxArguments = "-ext gfx9000 -command \"set throttle off\" " + game.name;
        bytes += game.ToLine() + "\r\n";
    }
    write(name + ".db", bytes);
}

void CrashFixture::writeSettings(const std::string& defaultDatabase, size_t argumentBytes) const {
    Settings settings;
    settings.emulatorDirectory = path("no-emulator");
    settings.openMsxDirectory = path("no-emulator");
    settings.fmsxDirectory = path("no-emulator");
    settings.defaultDatabaseName = defaultDatabase;
    settings.openMsxArguments = std::string(argumentBytes, 'x');
    saveSettings(base_, settings);
}

void CrashFixture::writeExtraData(const std::vector<std::string>& files) const {
    std::string bytes;
    int id = 1;
    for (const std::string& file : files) {
        bytes += "#" + std::to_string(id++) + "\r\n8,0,0,\r\n" + MediumSha1(file, "") + "\r\n";
    }
    write("extra-data.dat", bytes);
}

void CrashFixture::writeFavorites(const std::string& database, int count) const {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += profileName(i) + "|" + database + "\r\n";
    write("favorites.bml", bytes);
}

void CrashFixture::writeSavedFilters(int count) const {
    const FilterState s;
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "Filter " + std::to_string(i);
        for (const std::string* text :
             {&s.medium, &s.company, &s.year, &s.yearComparison, &s.country, &s.system,
              &s.generation, &s.sound, &s.genreName})
            bytes += "," + *text;
        bytes += "\r\n";
    }
    write("filters.bml", bytes);
}

}  // namespace corvane::crash
