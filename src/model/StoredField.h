// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace corvane {

// Whether a text can be stored as one field of a line of fields: "|" separates the fields and
// CR and LF the lines, and a NUL would cut the text short wherever it is used as a C string
// (a path opened, a member looked up).
bool fitsDatabaseLine(std::string_view text);

}  // namespace corvane
