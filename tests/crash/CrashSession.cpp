// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashSession.h"

namespace corvane::crash {

std::string errorShown(const TextSource& texts, const char* key) {
    return key ? texts.text(key) : std::string();
}

std::string errorShown(const TextSource& texts, OperationResult result) {
    return errorShown(texts, resultMessageKey(result));
}

std::string errorShown(const TextSource& texts, const ToolReport& report) {
    // As the tool runner shows it: the tool's own account first.
    if (!report.error.empty())
        return report.error;
    return errorShown(texts, report.result);
}

}  // namespace corvane::crash
