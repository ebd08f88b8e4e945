// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "common/Progress.h"

namespace corvane::test {

// A progress a test cancels when it likes (from inside the work, say); it keeps the last range,
// position and status it was told.
class ScriptedProgress : public Progress {
public:
    void setRange(std::int64_t total) override { range = total; }
    void setPosition(std::int64_t done) override { position = done; }
    void setStatus(const std::string& text) override { status = text; }
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return stop; }

    std::atomic<std::int64_t> range{-1};
    std::atomic<std::int64_t> position{-1};
    std::string status;
    std::atomic<bool> stop{false};
};

}  // namespace corvane::test
