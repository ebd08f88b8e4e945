// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

// Reads one row of the CSV export back into count values: values in double quotes joined by
// ",", an inner quote written as backslash and quote, the line ended by CR LF. None for a row
// that is not count values so written, with what is wrong in problem.
std::optional<std::vector<std::string>> readCsvRow(std::string_view line, size_t count,
                                                   std::string& problem);

}  // namespace corvane::test
