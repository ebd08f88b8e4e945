// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgressSpan.h"

#include <algorithm>

namespace corvane {

ProgressSpan::ProgressSpan(Progress& parent, std::int64_t from, std::int64_t to, Cancel cancel)
    : parent_(parent), from_(from), to_(std::max(from, to)), cancel_(cancel), total_(to_ - from_) {}

void ProgressSpan::setPosition(std::int64_t done) {
    const std::int64_t total = total_;
    const std::int64_t width = to_ - from_;
    if (total <= 0) {
        parent_.setPosition(from_);
        return;
    }
    done = std::clamp<std::int64_t>(done, 0, total);
    if (total == width) {
        parent_.setPosition(from_ + done);
        return;
    }
    // Byte counts of large files: the product would not fit in 64 bits.
    const auto scaled = static_cast<long double>(width) * static_cast<long double>(done) /
                        static_cast<long double>(total);
    parent_.setPosition(from_ + std::min(width, static_cast<std::int64_t>(scaled)));
}

bool ProgressSpan::cancelled() const {
    return cancel_ == Cancel::Passed && parent_.cancelled();
}

}  // namespace corvane
