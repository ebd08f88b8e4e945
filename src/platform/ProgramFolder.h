// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// The folder of the running program's executable, in the bytes the system names it by. Empty
// when the system cannot tell.
std::string programFolder();

}  // namespace corvane
