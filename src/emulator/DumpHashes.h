// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tinyxml.h>

#include "emulator/CorvaneDBEntry.h"
#include "emulator/SoftwareXml.h"

namespace corvane::softwarexml {

// One SHA-1 hash of a software's dumps and the place it describes.
struct DumpHash {
    const TiXmlElement* hash = nullptr;
    // The "format" element holding the hash; null for a medium's own hash (a cartridge image).
    const TiXmlElement* format = nullptr;
    DumpLocation location;
};

// A format hash in any medium but a tape or a disk names no known kind; it is found without a
// kind flag.
inline DumpLocation::Kind kindOfFormatMedium(std::string_view mediumName) {
    if (mediumName == "cas")
        return DumpLocation::Kind::Tape;
    if (mediumName == "dsk")
        return DumpLocation::Kind::Disk;
    return DumpLocation::Kind::Other;
}

// Visits the SHA-1 hashes of one software's dumps in document order, which is the order the entry
// search compares them in, so an index keeping the first place of a text gives the search's
// answer. Stops as soon as visit returns false; returns false then.
template <typename Visit>
bool forEachDumpHash(const TiXmlElement& software, SoftwareDbShape shape, Visit&& visit) {
    for (const TiXmlElement* dump = software.FirstChildElement("dump"); dump;
         dump = dump->NextSiblingElement("dump")) {
        bool isGroup = false;
        const TiXmlElement& container = mediaContainer(*dump, isGroup);
        for (const TiXmlElement* medium = container.FirstChildElement(); medium;
             medium = medium->NextSiblingElement()) {
            const DumpLocation::Kind formatKind = kindOfFormatMedium(name(*medium));
            for (const TiXmlElement* child = medium->FirstChildElement(); child;
                 child = child->NextSiblingElement()) {
                if (isSha1Hash(*child, shape)) {
                    if (!visit(DumpHash{
                            child,
                            nullptr,
                            {&software, &container, nullptr, DumpLocation::Kind::Rom, shape}}))
                        return false;
                    continue;
                }
                if (name(*child) != "format")
                    continue;
                for (const TiXmlElement* hash = child->FirstChildElement("hash"); hash;
                     hash = hash->NextSiblingElement("hash")) {
                    if (isSha1Hash(*hash, shape) &&
                        !visit(DumpHash{hash,
                                        child,
                                        {&software, &container, isGroup ? medium : nullptr,
                                         formatKind, shape}}))
                        return false;
                }
            }
        }
    }
    return true;
}

}  // namespace corvane::softwarexml
