// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputTail.h"

#include <vector>

namespace corvane {

void OutputTail::add(std::string_view bytes) {
    bytes_.append(bytes);
    if (bytes_.size() > capacity_) {
        const size_t dropped = bytes_.size() - capacity_;
        startsMidLine_ = bytes_[dropped - 1] != '\n';
        bytes_.erase(0, dropped);
    }
}

std::string OutputTail::lastLines(size_t count) const {
    std::vector<std::string_view> lines;
    std::string_view rest = bytes_;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (startsMidLine_ && lines.size() > 1)
        lines.erase(lines.begin());
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    const size_t first = lines.size() > count ? lines.size() - count : 0;
    std::string text;
    for (size_t i = first; i < lines.size(); ++i) {
        if (i > first)
            text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace corvane
