// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/DesktopShell.h"

namespace corvane::test {

// Records the desktop actions asked for. Answers at once with result, or, while deferred, keeps
// the answers back until answer() gives them, as the desktop's helpers do.
class RecordingShell : public DesktopShell {
public:
    void openWithAssociatedProgram(const std::string& target, Done done) override {
        opened.push_back(target);
        reply(std::move(done));
    }
    void revealFile(const std::string& path, Done done) override {
        revealed.push_back(path);
        reply(std::move(done));
    }
    // Gives the oldest held-back request its outcome.
    void answer(bool outcome) {
        Done done = std::move(pending.front());
        pending.pop_front();
        done(outcome);
    }

    std::vector<std::string> opened;
    std::vector<std::string> revealed;
    bool result = true;
    bool deferred = false;
    std::deque<Done> pending;

private:
    void reply(Done done) {
        if (deferred)
            pending.push_back(std::move(done));
        else
            done(result);
    }
};

}  // namespace corvane::test
