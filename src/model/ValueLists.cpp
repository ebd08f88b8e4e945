// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ValueLists.h"

#include <algorithm>
#include <ctime>

namespace corvane {

const std::vector<std::string>& generationNames() {
    static const std::vector<std::string> names{"MSX", "MSX2", "MSX2+", "Turbo-R"};
    return names;
}

const std::vector<std::string>& soundNames() {
    static const std::vector<std::string> names{"PSG",       "SCC",       "SCC-I",     "PCM",
                                                "MSX-MUSIC", "MSX-AUDIO", "Moonsound", "MIDI"};
    return names;
}

const std::vector<std::string>& systemList() {
    static const std::vector<std::string> names{"MSX", "SVI", "Coleco", "Sega"};
    return names;
}

const std::vector<std::string>& companyList() {
    static const std::vector<std::string> names{
        "Activision", "Al Alamiah",    "Ascii",       "Bothtec", "Casio",  "Compile",
        "Dinamic",    "Hal",           "Infinite",    "Jaleco",  "Konami", "Micro Cabin",
        "Namcot",     "Pack In Video", "Pony Canyon", "Sega",    "Sony",   "T&E Soft",
        "Taito",      "Telenet",       "Yamaha",      "Zemina"};
    return names;
}

const std::vector<std::string>& countryList() {
    static const std::vector<std::string> codes{"BR", "CA", "GB", "FI", "FR", "DE", "IT", "JP",
                                                "KR", "KW", "NL", "RU", "ES", "SE", "US"};
    return codes;
}

const std::vector<Genre>& genreList() {
    static const std::vector<Genre> genres = [] {
        std::vector<Genre> g{{1, "Action"},
                             {2, "Adult"},
                             {3, "Adventure (All)"},
                             {4, "Adventure | Point and Click"},
                             {5, "Adventure | Text and Gfx"},
                             {6, "Adventure | Text only"},
                             {7, "Arcade"},
                             {8, "Board Games"},
                             {9, "Break-out"},
                             {10, "Card Games"},
                             {11, "Communication"},
                             {12, "Compiler"},
                             {13, "Database"},
                             {14, "DTP"},
                             {15, "Educational"},
                             {16, "Fighting"},
                             {17, "Financial"},
                             {18, "Gambling / Fruit Machine"},
                             {19, "Graphics"},
                             {20, "Miscellaneous"},
                             {21, "Office"},
                             {22, "Operating System"},
                             {23, "Parody"},
                             {24, "Pinball"},
                             {25, "Platform"},
                             {26, "Puzzle"},
                             {27, "Quiz"},
                             {28, "Racing"},
                             {29, "Remake"},
                             {30, "RPG"},
                             {31, "Shoot-'em-up (All)"},
                             {32, "Shoot-'em-up | First-person shooter"},
                             {33, "Shoot-'em-up | Horizontal"},
                             {34, "Shoot-'em-up | Isometric"},
                             {35, "Shoot-'em-up | Multi-directional"},
                             {36, "Shoot-'em-up | Vertical"},
                             {37, "Simulation"},
                             {38, "Sound"},
                             {39, "Sport Games"},
                             {40, "Sport Management"},
                             {41, "Spreadsheet"},
                             {42, "Strategy"},
                             {43, "Tool"},
                             {44, "Variety"},
                             {45, "War Games"},
                             {46, "Word Processor"},
                             {47, "Maze"},
                             {48, "Pong"},
                             {49, "Beat-'em-up"},
                             {50, "Dexterity"}};
        std::sort(g.begin(), g.end(),
                  [](const Genre& a, const Genre& b) { return a.name < b.name; });
        return g;
    }();
    return genres;
}

const std::vector<std::string>& mediumKeys() {
    static const std::vector<std::string> keys{"MEDIUM_ROM", "MEDIUM_DISK", "MEDIUM_TAPE",
                                               "MEDIUM_HARDDISK"};
    return keys;
}

int latestAcceptedYear(int currentYear) {
    return std::min(currentYear, 2020);
}

int currentCalendarYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

std::vector<std::string> yearList(int currentYear) {
    std::vector<std::string> years;
    const int last = latestAcceptedYear(currentYear);
    for (int y = 1982; y <= last; ++y)
        years.push_back(std::to_string(y));
    return years;
}

std::vector<std::string> yearList() {
    return yearList(currentCalendarYear());
}

std::string genreName(int id) {
    for (const Genre& g : genreList())
        if (g.id == id)
            return g.name;
    return {};
}

}  // namespace corvane
