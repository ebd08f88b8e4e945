// SPDX-License-Identifier: GPL-3.0-or-later
// The 8.3 alias: the first line is the long name, the others the names already in the folder.
// An alias is upper case, at most eight characters, a dot and three, all valid on FAT, and is
// not one of the names in the folder unless the long name was its own alias.
#include <set>

#include "common/AsciiCase.h"
#include "support/FuzzScratch.h"
#include "tools/FatShortName.h"

using namespace corvane;

namespace {

bool validCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("$%'-_@~`!(){}^#&").find(c) != std::string_view::npos;
}

bool validPart(std::string_view part, size_t maxLength) {
    if (part.empty() || part.size() > maxLength)
        return false;
    for (char c : part) {
        if (!validCharacter(c))
            return false;
    }
    return true;
}

bool isShortName(std::string_view name) {
    const size_t dot = name.find('.');
    if (dot == std::string_view::npos)
        return validPart(name, 8);
    return validPart(name.substr(0, dot), 8) && validPart(name.substr(dot + 1), 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = fuzz::splitOn(fuzz::inputText(data, size), '\n');
    const std::string longName = lines.front();
    std::set<std::string> taken;
    for (size_t i = 1; i < lines.size() && i < 64; ++i)
        taken.insert(toUpperAscii(lines[i]));
    const std::optional<std::string> alias = fatShortName(longName, [&](std::string_view name) {
        return taken.contains(toUpperAscii(std::string(name)));
    });
    if (!alias)
        return 0;
    if (!isShortName(*alias))
        fuzz::fail("the alias is not a valid 8.3 name");
    if (*alias != toUpperAscii(longName) && taken.contains(*alias))
        fuzz::fail("the alias is a name the folder already holds");
    return 0;
}
