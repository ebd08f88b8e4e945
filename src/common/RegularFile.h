// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace corvane {

// Opens path read-only when it is a regular file (a symbolic link to one will do). A named pipe
// or a device is refused without waiting for a writer, so a stray pipe named like a database, a
// setting or a medium never blocks the program. Returns the descriptor (close-on-exec, blocking
// reads) or -1 with errno set: ENOENT when nothing is there, EISDIR for a folder, EINVAL for any
// other kind of file.
int openRegularFile(const std::string& path);

// The whole content of a regular file; nothing when it is missing, is not a regular file, or
// could not be read to its end.
std::optional<std::string> readRegularFile(const std::string& path);

// Whether path names a regular file, following symbolic links.
bool isRegularFile(const std::string& path);

}  // namespace corvane
