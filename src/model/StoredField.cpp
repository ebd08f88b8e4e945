// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/StoredField.h"

namespace corvane {

bool fitsDatabaseLine(std::string_view text) {
    return text.find_first_of(std::string_view("|\r\n\0", 4)) == std::string_view::npos;
}

}  // namespace corvane
