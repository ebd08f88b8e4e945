// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CsvRows.h"

#include <gtest/gtest.h>

#include "support/CsvRowReader.h"
#include "tools/CsvRowBuilder.h"

namespace corvane::test {

std::vector<std::string> parseCsvRow(std::string_view line) {
    std::string problem;
    std::optional<std::vector<std::string>> values = readCsvRow(line, kCsvColumnCount, problem);
    if (!values) {
        ADD_FAILURE() << problem << " in " << line;
        return {};
    }
    return *std::move(values);
}

std::vector<std::string> csvLines(std::string_view file) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t end; (end = file.find("\r\n", from)) != std::string_view::npos; from = end + 2)
        lines.emplace_back(file.substr(from, end + 2 - from));
    if (from < file.size())
        ADD_FAILURE() << "a last line without CR LF: " << file.substr(from);
    return lines;
}

}  // namespace corvane::test
