// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "platform/DesktopShell.h"

namespace corvane::test {

// Records the desktop actions asked for; succeeds unless told otherwise.
class RecordingShell : public DesktopShell {
public:
    bool openWithAssociatedProgram(const std::string& target) override {
        opened.push_back(target);
        return result;
    }
    bool revealFile(const std::string& path) override {
        revealed.push_back(path);
        return result;
    }

    std::vector<std::string> opened;
    std::vector<std::string> revealed;
    bool result = true;
};

}  // namespace corvane::test
