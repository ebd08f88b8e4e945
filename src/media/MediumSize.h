// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// Size of a medium in whole kilobytes, "N KB": of the member `entry` (the first member when
// empty) of a ".zip" file, otherwise of the file. Empty when the file or member cannot be read.
std::string MainMediumSize(const std::string& file, const std::string& entry);

}  // namespace corvane
