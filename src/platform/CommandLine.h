// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Splits an argument string the way a Windows program splits its command line, so the emulators
// receive the same arguments on every platform: blanks and tabs separate; double quotes group
// and are removed; 2n backslashes before a quote give n backslashes and the quote groups,
// 2n+1 give n backslashes and a literal quote; any other backslash is literal.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

// The text of one argument that splitCommandLine reads back as exactly that argument: bare when it
// is not empty and holds no blank, tab, line break or double quote (unless alwaysQuote), else in
// double quotes, with the backslashes before a quote or the closing quote doubled and each quote
// escaped.
std::string quoteArgument(std::string_view argument, bool alwaysQuote = false);

}  // namespace corvane
