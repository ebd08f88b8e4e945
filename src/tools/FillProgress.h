// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// What a running fill tells its window or terminal. Called on the thread that runs the fill.
class FillProgress {
public:
    virtual ~FillProgress() = default;
    // The folder being scanned.
    virtual void directory(const std::string& path) = 0;
    // The file or archive member being looked at.
    virtual void file(const std::string& name) = 0;
    // Polled between files and while waiting for one: true stops the run after the current one.
    virtual bool cancelled() = 0;
};

}  // namespace corvane
