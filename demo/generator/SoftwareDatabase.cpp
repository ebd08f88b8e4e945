// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SoftwareDatabase.h"

#include <string_view>

namespace corvane::demo {

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string element(std::string_view name, std::string_view text) {
    return "<" + std::string(name) + ">" + escaped(text) + "</" + std::string(name) + ">";
}

std::string sha1Hash(const std::string& sha1) {
    return "<hash algo=\"sha1\">" + sha1 + "</hash>";
}

// Cartridges carry their hash directly; disk and tape images inside a format element.
std::string dump(const SoftwareDatabase::Dump& dump) {
    switch (dump.medium) {
        case SoftwareDatabase::Medium::Cartridge:
            return "<rom><type>Normal</type><start>0x4000</start>" + sha1Hash(dump.sha1) + "</rom>";
        case SoftwareDatabase::Medium::Disk:
            return "<dsk><format type=\"dsk\">" + sha1Hash(dump.sha1) + "</format></dsk>";
        case SoftwareDatabase::Medium::Tape:
            return "<cas><format type=\"cas\">" + sha1Hash(dump.sha1) + "</format></cas>";
    }
    return {};
}

}  // namespace

std::string SoftwareDatabase::xml() const {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<softwaredb>\n";
    for (const Software& s : software_) {
        out += "  <software>\n    " + element("title", s.title) + "\n    " +
               element("system", s.system) + "\n    " + element("company", s.company) + "\n    " +
               element("year", s.year) + "\n    " + element("country", s.country) + "\n";
        for (const Dump& d : s.dumps)
            out += "    <dump><original value=\"true\">GoodMSX</original>" + dump(d) + "</dump>\n";
        out += "  </software>\n";
    }
    out += "</softwaredb>\n";
    return out;
}

}  // namespace corvane::demo
