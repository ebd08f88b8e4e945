// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// Reads one row of the CSV export back into its 41 values: values in double quotes joined by ",",
// an inner quote written as backslash and quote, the line ended by CR LF. A malformed row is a
// test failure.
std::vector<std::string> parseCsvRow(std::string_view line);

// The lines of a whole file, each with its CR LF.
std::vector<std::string> csvLines(std::string_view file);

}  // namespace corvane::test
