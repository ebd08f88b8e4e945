// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// A program of the system itself that the launcher runs on the user's behalf (the desktop's file
// opener, the message bus client, a viewer named without a folder), found by its bare name in the
// absolute folders of PATH. Empty and relative entries are skipped: they would pick a program from
// whatever folder the launcher runs in. Gives the absolute path of the executable file.
std::optional<std::string> findSystemTool(std::string_view name);
// The same search in the given PATH value; an empty value means the usual system folders.
std::optional<std::string> findSystemToolIn(std::string_view name, std::string_view searchPath);

}  // namespace corvane
