// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/CCorvaneLauncherApp.h"
#include "app/OperationResult.h"
#include "app/ToolReport.h"
#include "support/ScriptedPrompter.h"

namespace corvane::crash {

// The launcher's state over one base directory, as the window has it once started: settings
// read, the interrupted renames recovered. Questions are answered Yes.
struct CrashSession {
    explicit CrashSession(const std::string& base) : app(base, prompter) { app.loadSettings(); }

    test::ScriptedPrompter prompter;
    CCorvaneLauncherApp app;
};

// The error the user reads for a catalogue key (none for null), a result, or a tool's report.
std::string errorShown(const TextSource& texts, const char* key);
std::string errorShown(const TextSource& texts, OperationResult result);
std::string errorShown(const TextSource& texts, const ToolReport& report);

}  // namespace corvane::crash
