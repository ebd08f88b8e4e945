// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace corvane {

// One line of a terminal, rewritten in place with a carriage return to show where a long run
// is. Updates come faster than anyone can read, so most are only remembered.
class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    // Often enough to look alive, rarely enough to cost nothing.
    static constexpr std::chrono::milliseconds kInterval{100};

    ProgressLine(std::ostream& terminal, int columns,
                 std::chrono::milliseconds interval = kInterval);

    // Shown at once the first time and when the last showing is at least the interval old;
    // otherwise dropped, as a later one will follow.
    void show(const std::string& text);
    // Blanks the line and puts the cursor at its start, for a message or the end of the run.
    void clear();

    // The text as it fits in the columns: control characters become "?", and a long text keeps
    // its end (where the file names are) behind "...". Counts characters of UTF-8, never
    // cutting one apart.
    static std::string fitted(const std::string& text, int columns);

private:
    std::ostream& terminal_;
    int columns_;
    std::chrono::milliseconds interval_;
    size_t shownWidth_ = 0;
    bool shownOnce_ = false;
    Clock::time_point lastShown_;
};

}  // namespace corvane
