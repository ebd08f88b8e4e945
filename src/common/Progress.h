// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// How every long operation reports where it is and learns that the user asked it to stop: the
// list load, the search and the tools. Every member may be called from any thread and none lets
// events run; an operation that cannot stop half-way never asks cancelled().
class Progress {
public:
    virtual ~Progress() = default;
    // 0 = unknown (no bar shown)
    virtual void setRange(std::int64_t total) = 0;
    virtual void setPosition(std::int64_t done) = 0;
    // The larger unit: a folder, a database.
    virtual void setStatus(const std::string& text) = 0;
    // The item within it: a file.
    virtual void setDetail(const std::string& text) = 0;
    virtual bool cancelled() const = 0;
};

// For callers without a window: reports go nowhere and nothing is ever cancelled.
class NoProgress final : public Progress {
public:
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string&) override {}
    void setDetail(const std::string&) override {}
    bool cancelled() const override { return false; }
};

}  // namespace corvane
