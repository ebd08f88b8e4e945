// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// The end of what a program writes, kept within a fixed size however much it writes: its last
// lines say why it stopped. Callers add at most a read buffer at a time.
class OutputTail {
public:
    explicit OutputTail(size_t capacity = 4096) : capacity_(capacity) {}

    void add(std::string_view bytes);
    // The last count lines, joined by "\n", without line ends or trailing empty lines. A line
    // whose start was dropped for room is left out, unless it is the only one.
    std::string lastLines(size_t count) const;

private:
    size_t capacity_;
    std::string bytes_;
    bool startsMidLine_ = false;  // bytes before the first kept one were dropped mid-line
};

}  // namespace corvane
