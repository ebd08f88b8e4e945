// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

struct CommandSession;
struct Sha1Arguments;

// "corvane-cli sha1"'s own work: the SHA1 Center from the command line.
int runSha1(CommandSession& session, Sha1Arguments& arguments);

// A line of sha1sum's output: a name holding a backslash, a line feed or a carriage return is
// escaped, and the line then starts with a backslash, as sha1sum -c expects.
std::string sha1sumLine(const std::string& sha1, const std::string& name);

}  // namespace corvane
