// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/CorvaneDBEntry.h"

#include <tinyxml.h>

#include "common/AsciiCase.h"
#include "emulator/DumpHashes.h"
#include "emulator/SoftwareXml.h"

namespace corvane {

namespace xml = softwarexml;

namespace {

void readCartridge(const TiXmlElement& medium, SoftwareDbShape shape, CorvaneDBEntry& entry) {
    for (const TiXmlElement* child = medium.FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const std::string_view name = xml::name(*child);
        if (name == "type" || name == "boot") {
            entry.mapper = xml::text(child);
        } else if (name == "start") {
            entry.romStart = xml::text(child);
        } else if (name == "remark") {
            entry.remark = xml::detailText(*child, shape);
        }
    }
    if (entry.mapper.empty())
        entry.mapper = "Mirrored ROM";
}

void readMedium(const TiXmlElement& medium, SoftwareDbShape shape, CorvaneDBEntry& entry) {
    for (const TiXmlElement* child = medium.FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const std::string_view name = xml::name(*child);
        if (name == "start") {
            entry.mediaStart = xml::detailText(*child, shape);
        } else if (name == "remark") {
            entry.remark = xml::detailText(*child, shape);
        }
    }
}

void readOriginal(const TiXmlElement& original, CorvaneDBEntry& entry) {
    const char* value = original.Attribute("value");
    if (value && std::string_view(value) == "false") {
        entry.goodMsx = "No";
    } else if (original.FirstChild()) {
        entry.goodMsx = xml::text(&original) == "GoodMSX" ? "Yes" : "No";
    }
}

}  // namespace

CorvaneDBEntry CorvaneDBEntry::search(std::string_view sha1, const TiXmlDocument& document,
                                      SoftwareDbShape shape) {
    const std::string lower = toLowerAscii(sha1);
    if (const std::optional<DumpLocation> location = locate(lower, document, shape)) {
        return describe(lower, *location);
    }
    CorvaneDBEntry entry;
    entry.sha1 = lower;
    return entry;
}

std::optional<DumpLocation> CorvaneDBEntry::locate(std::string_view hash,
                                                   const TiXmlDocument& document,
                                                   SoftwareDbShape shape) {
    const TiXmlElement* root = document.RootElement();
    if (!root || hash.empty())
        return std::nullopt;
    std::optional<DumpLocation> found;
    for (const TiXmlElement* software = root->FirstChildElement("software"); software;
         software = software->NextSiblingElement("software")) {
        xml::forEachDumpHash(*software, shape, [&](const xml::DumpHash& dump) {
            if (xml::text(dump.hash) != hash)
                return true;
            found = dump.location;
            return false;
        });
        if (found)
            return found;
    }
    return std::nullopt;
}

CorvaneDBEntry CorvaneDBEntry::describe(std::string_view sha1, const DumpLocation& location) {
    CorvaneDBEntry entry;
    entry.sha1 = toLowerAscii(sha1);
    entry.found = true;
    entry.isRom = location.kind == DumpLocation::Kind::Rom;
    entry.isDisk = location.kind == DumpLocation::Kind::Disk;
    entry.isTape = location.kind == DumpLocation::Kind::Tape;
    const TiXmlElement& software = *location.software;
    entry.title = xml::childText(software, "title");
    entry.system = xml::childText(software, "system");
    entry.company = xml::childText(software, "company");
    entry.year = xml::childText(software, "year");
    entry.country = xml::childText(software, "country");
    const bool msx = entry.system == "MSX";
    // Only an "original" flag can vouch for an MSX dump; without one it is not a good dump.
    entry.goodMsx = msx ? "No" : "Not MSX";
    for (const TiXmlElement* element = location.container->FirstChildElement(); element;
         element = element->NextSiblingElement()) {
        const std::string_view name = xml::name(*element);
        if (name == "original") {
            if (msx)
                readOriginal(*element, entry);
        } else if (xml::isCartridge(name)) {
            readCartridge(*element, location.shape, entry);
        } else if (name == "cas") {
            if (!location.particularMedium || location.particularMedium == element) {
                readMedium(*element, location.shape, entry);
            }
        } else if (name == "dsk") {
            readMedium(*element, location.shape, entry);
        }
    }
    return entry;
}

}  // namespace corvane
