// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

// Trims blanks at both ends; a name that could not be stored or listed gives nothing.
std::optional<std::string> validDatabaseName(const std::string& typed);

}  // namespace corvane
