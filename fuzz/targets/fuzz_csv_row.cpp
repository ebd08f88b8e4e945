// SPDX-License-Identifier: GPL-3.0-or-later
// A CSV export row: the input is the database name, the SHA-1 and the main medium's size, one
// line each, then the profile's database line, then a software database document (may be
// empty) whose entries fill the software columns. Every row must read back as 41 values.
#include <sys/stat.h>

#include <cstdio>

#include "app/NoticeKeys.h"
#include "common/TextDecoding.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "model/Game.h"
#include "support/CsvRowReader.h"
#include "support/FuzzScratch.h"
#include "tools/CsvRowBuilder.h"

using namespace corvane;

namespace {

std::string_view takeLine(std::string_view& text) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string installation = [] {
        fuzz::writeScratchFile("Corvane", "");
        mkdir((fuzz::scratchDirectory() + "/Databases").c_str(), 0700);
        return fuzz::scratchDirectory();
    }();
    std::string_view text = fuzz::inputText(data, size);
    const std::string_view database = takeLine(text);
    const std::string_view sha1 = takeLine(text);
    const std::string_view mediumSize = takeLine(text);
    Game game;
    game.FromLine(takeLine(text));
    fuzz::writeScratchFile("Databases/software.xml", text);

    NoticeKeys notices;
    const EmulatorDatabaseSet software(SoftwareSources(installation), notices, notices);
    const CsvRowBuilder builder(notices, software);
    const std::string row = builder.rowLine(game, database, sha1, mediumSize);
    std::string problem;
    const std::optional<std::vector<std::string>> values =
        test::readCsvRow(row, kCsvColumnCount, problem);
    if (!values) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        fuzz::fail("a CSV row does not read back as 41 values");
    }
    // Three columns straight from the caller, as the list shows them.
    if ((*values)[0] != utf8Text(game.name) || (*values)[1] != utf8Text(database) ||
        (*values)[26] != utf8Text(sha1))
        fuzz::fail("a CSV row reads back as other values");
    return 0;
}
