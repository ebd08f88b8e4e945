// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace corvane {

// How every long operation reports where it is: the list load, the search and the tools.
// pump() is the one point where the window may let pending events run (never user input while
// files or the list are being changed) and tells whether the user asked to cancel; an operation
// that cannot stop half-way ignores the answer.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setRange(int low, int high) = 0;
    virtual void setPos(int pos) = 0;
    virtual bool pump() = 0;
};

// For callers without a window: reports go nowhere and nothing is ever cancelled.
class NoProgress : public Progress {
public:
    void setRange(int, int) override {}
    void setPos(int) override {}
    bool pump() override { return false; }
};

}  // namespace corvane
