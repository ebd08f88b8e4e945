// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace corvane::demo {

// The description of software the primary emulator keeps in the XML files of its Databases
// folder: basic data and, for each dump, the kind of medium and the SHA-1 of its bytes.
class SoftwareDatabase {
public:
    enum class Medium { Cartridge, Disk, Tape };

    struct Dump {
        Medium medium;
        std::string sha1;  // lower case
    };

    struct Software {
        std::string title;
        std::string system;
        std::string company;
        std::string year;
        std::string country;
        std::vector<Dump> dumps;
    };

    void add(Software software) { software_.push_back(std::move(software)); }
    // The XML text, software in the order added.
    std::string xml() const;

private:
    std::vector<Software> software_;
};

}  // namespace corvane::demo
