// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CsvRows.h"

#include <gtest/gtest.h>

namespace corvane::test {

// A backslash ending a value stands before the closing quote; that quote is told from an inner
// one by what follows it (the next value's opening quote, or the end), since an inner quote is
// never written bare.
std::vector<std::string> parseCsvRow(std::string_view line) {
    EXPECT_TRUE(line.ends_with("\r\n"));
    line.remove_suffix(2);
    std::vector<std::string> values;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] != '"') {
            ADD_FAILURE() << "no opening quote at " << i << " of " << line;
            return values;
        }
        std::string value;
        for (++i;; ++i) {
            if (i >= line.size()) {
                ADD_FAILURE() << "unterminated value in " << line;
                return values;
            }
            const std::string_view rest = line.substr(i);
            const bool escaped =
                rest.starts_with("\\\"") && rest.size() > 2 && !rest.substr(2).starts_with(",\"");
            if (escaped) {
                value += '"';
                ++i;
            } else if (rest.starts_with('"')) {
                break;
            } else {
                value += line[i];
            }
        }
        values.push_back(value);
        ++i;
        if (i < line.size()) {
            EXPECT_EQ(line[i], ',') << line;
            ++i;
        }
    }
    return values;
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
