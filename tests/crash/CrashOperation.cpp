// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash/CrashOperation.h"

namespace corvane::crash {

std::vector<CrashOperation> storeOperations();
std::vector<CrashOperation> toolOperations();

std::vector<CrashOperation> crashOperations() {
    std::vector<CrashOperation> all = storeOperations();
    for (CrashOperation& operation : toolOperations())
        all.push_back(std::move(operation));
    return all;
}

}  // namespace corvane::crash
