// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "emulator/SoftwareDbShape.h"

class TiXmlDocument;
class TiXmlElement;

namespace corvane {

// Where one dump's hash stands in a software database document.
struct DumpLocation {
    enum class Kind { Rom, Disk, Tape, Other };

    const TiXmlElement* software = nullptr;
    const TiXmlElement* container = nullptr;  // the dump, or its leading "group"
    // The medium holding the hash when it stood in a "format" inside a group: of several tapes
    // of one release, only that one describes the dump.
    const TiXmlElement* particularMedium = nullptr;
    Kind kind = Kind::Rom;
    SoftwareDbShape shape = SoftwareDbShape::Corvane;
};

// The full description of one dump as found in one software database document.
struct CorvaneDBEntry {
    std::string title;
    std::string system;
    std::string company;
    std::string year;
    std::string country;
    std::string database;  // file name of the document the dump was found in
    std::string sha1;      // the SHA-1 searched for, lower case
    std::string goodMsx;
    std::string mapper;
    std::string romStart;
    std::string mediaStart;
    std::string remark;
    bool found = false;
    bool isRom = false;
    bool isDisk = false;
    bool isTape = false;

    bool operator==(const CorvaneDBEntry&) const = default;

    // Walks the document in order to the first hash equal to the lower-cased SHA-1. Upper-case
    // hashes in a file therefore match nothing.
    static CorvaneDBEntry search(std::string_view sha1, const TiXmlDocument& document,
                                 SoftwareDbShape shape = SoftwareDbShape::Corvane);
    // The first place of a hash text in document order, exactly as written.
    static std::optional<DumpLocation> locate(std::string_view hash, const TiXmlDocument& document,
                                              SoftwareDbShape shape = SoftwareDbShape::Corvane);
    // The found entry for a dump at a known place.
    static CorvaneDBEntry describe(std::string_view sha1, const DumpLocation& location);
};

}  // namespace corvane
