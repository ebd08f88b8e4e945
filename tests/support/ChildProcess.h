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

// Permission bits are obeyed even when the tests run as root: the files stay the test's own, so
// their owner's bits are the ones that count.
bool passesObeyingPermissions(const std::function<bool()>& check);

}  // namespace corvane::test
