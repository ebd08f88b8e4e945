// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/ToolReport.h"

namespace corvane {

class TextSource;
struct CliContext;

// Tells what a tool's run came to, as every command does: its notices and notes on standard
// error, the completion message on standard output, the failure's message on standard error.
// stopped: Ctrl+C ended the run before its end. Gives the exit status.
int reportToolRun(const CliContext& context, const TextSource& texts, const ToolReport& report,
                  bool stopped);

// Tells on standard error why a run was refused (a catalogue key) and gives its exit status.
int refusedRun(const CliContext& context, const TextSource& texts, const std::string& key);

}  // namespace corvane
