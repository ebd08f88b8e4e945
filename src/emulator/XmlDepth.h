// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace corvane {

// The XML parser descends one call per level of elements, so a file nested tens of thousands of
// levels deep exhausts the stack. This cheap pass over the bytes tells such a document apart
// before it reaches the parser. It may count more levels than the parser would see (in broken
// markup, say), never fewer: the parser takes a quote for the start of a value only after "=",
// skips comments, CDATA and "<?"/"<!" nodes as here, and stops at the first error.
bool nestsDeeperThan(std::string_view xml, int levels);

}  // namespace corvane
