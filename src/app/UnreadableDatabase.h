// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

class TextSource;

// What the user reads when a database is there but could not be read: the I/O error, naming it.
std::string unreadableDatabaseText(const TextSource& texts, const std::string& database);

}  // namespace corvane
