// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane {

struct Genre {
    int id;
    std::string name;
};

const std::vector<std::string>& generationNames();
const std::vector<std::string>& soundNames();
const std::vector<std::string>& systemList();
const std::vector<std::string>& companyList();
// Country codes; each is also a catalogue key for the country's display name.
const std::vector<std::string>& countryList();
// Sorted by name, byte-wise; ids are stored in profiles and never change.
const std::vector<Genre>& genreList();
const std::vector<std::string>& mediumKeys();
// The last year the lists and the name readers accept: the calendar year, never past 2020.
int latestAcceptedYear(int currentYear);
int currentCalendarYear();
// 1982 up to the given calendar year, never past 2020.
std::vector<std::string> yearList(int currentYear);
std::vector<std::string> yearList();
// Name of a genre id, empty for an unknown id.
std::string genreName(int id);

}  // namespace corvane
