// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressLine.h"

#include <string_view>
#include <vector>

namespace corvane {

namespace {

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where each character starts: a byte that does not continue one starts one, and so does the
// first byte whatever it is.
std::vector<size_t> characterStarts(const std::string& text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if (i == 0 || !continuationByte(text[i]))
            starts.push_back(i);
    return starts;
}

bool controlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& terminal, int columns, std::chrono::milliseconds interval)
    : terminal_(terminal), columns_(columns), interval_(interval) {}

std::string ProgressLine::fitted(const std::string& text, int columns) {
    const std::vector<size_t> starts = characterStarts(text);
    std::string out;
    for (char c : text)
        out += controlByte(c) ? '?' : c;
    // The last column stays free: writing into it wraps the line on some terminals.
    const size_t room = columns > 1 ? static_cast<size_t>(columns - 1) : 0;
    if (starts.size() <= room)
        return out;
    static constexpr std::string_view kEllipsis = "...";
    if (room <= kEllipsis.size())
        return std::string(kEllipsis.substr(0, room));
    const size_t kept = room - kEllipsis.size();
    return std::string(kEllipsis) + out.substr(starts[starts.size() - kept]);
}

void ProgressLine::show(const std::string& text) {
    const Clock::time_point now = Clock::now();
    if (shownOnce_ && now - lastShown_ < interval_)
        return;
    shownOnce_ = true;
    lastShown_ = now;
    const std::string line = fitted(text, columns_);
    const size_t width = characterStarts(line).size();
    terminal_ << '\r' << line;
    if (width < shownWidth_)
        terminal_ << std::string(shownWidth_ - width, ' ');
    terminal_ << std::flush;
    shownWidth_ = width;
}

void ProgressLine::clear() {
    if (shownWidth_ > 0)
        terminal_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
    shownWidth_ = 0;
}

}  // namespace corvane
