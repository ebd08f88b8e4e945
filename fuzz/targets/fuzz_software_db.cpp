// SPDX-License-Identifier: GPL-3.0-or-later
// A software database: the first byte picks the primary emulator's shape (even) or openMSX's
// (odd), the rest is the XML. Every SHA-1-like text of the input, and a few that cannot be
// there, must get the same answer from the index as from the walk of the document.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "app/NoticeKeys.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "support/FuzzScratch.h"

using namespace corvane;

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Runs of hex digits 40 long, at most a few dozen so that one input stays fast.
std::vector<std::string> sha1Candidates(std::string_view text) {
    std::vector<std::string> found{"", "0000000000000000000000000000000000000000"};
    size_t run = 0;
    for (size_t i = 0; i < text.size() && found.size() < 40; ++i) {
        run = isHexDigit(text[i]) ? run + 1 : 0;
        if (run >= 40)
            found.emplace_back(text.substr(i + 1 - 40, 40));
    }
    return found;
}

// A primary-emulator installation with one database, and an openMSX user folder beside it.
SoftwareSources sourcesFor(bool corvaneShape, std::string_view xml) {
    static const std::string base = [] {
        const std::string& scratch = fuzz::scratchDirectory();
        fuzz::writeScratchFile("Corvane", "");
        mkdir((scratch + "/Databases").c_str(), 0700);
        mkdir((scratch + "/home").c_str(), 0700);
        mkdir((scratch + "/home/.openMSX").c_str(), 0700);
        mkdir((scratch + "/home/.openMSX/share").c_str(), 0700);
        return scratch;
    }();
    if (corvaneShape) {
        fuzz::writeScratchFile("Databases/software.xml", xml);
        return SoftwareSources(base);
    }
    fuzz::writeScratchFile("home/.openMSX/share/softwaredb.xml", xml);
    return SoftwareSources("", "", base + "/home");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::string_view xml = fuzz::inputText(data + 1, size - 1);
    const SoftwareSources sources = sourcesFor(data[0] % 2 == 0, xml);
    NoticeKeys notices;
    const EmulatorDatabaseSet set(sources, notices, notices);
    for (const std::string& sha1 : sha1Candidates(xml)) {
        const std::optional<CorvaneDBEntry> indexed = set.findEntry(sha1);
        if (indexed != set.findEntryByWalk(sha1))
            fuzz::fail("the index and the walk of the document disagree");
        if (indexed && indexed->found && indexed->database != "software.xml" &&
            indexed->database != "softwaredb.xml")
            fuzz::fail("an entry names a database that was not read");
    }
    return 0;
}
