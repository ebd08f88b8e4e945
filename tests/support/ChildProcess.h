// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace corvane::test {

// Each runs check in a child process and is true when check returned true there. The child
// reports only through its exit status, so check must not use test assertions.

// Files cannot grow past limit bytes: a write beyond fails as it would on a full disk.
bool passesWithFileSizeLimit(off_t limit, const std::function<bool()>& check);

// Runs as an ordinary user, so permission bits are obeyed even when the tests run as root; the
// folder and everything in it are given to that user first.
bool passesAsOrdinaryUser(const std::string& folder, const std::function<bool()>& check);

}  // namespace corvane::test
