// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

class Progress;

// Lets one long read stop part-way: the user's Cancel is looked at before the first bytes and
// again every few MB, so even a huge file or archive member answers within a fraction of a
// second, while a small one costs a single look.
class CancelCheck {
public:
    static constexpr std::uint64_t kInterval = std::uint64_t{4} << 20;

    explicit CancelCheck(const Progress& progress) : progress_(progress) {}

    // Before count more bytes are taken; false once the user has asked to stop.
    bool keepGoing(std::size_t count);
    // The bytes let through so far.
    std::uint64_t bytes() const { return bytes_; }
    bool stopped() const { return stopped_; }

private:
    const Progress& progress_;
    std::uint64_t bytes_ = 0;
    std::uint64_t nextLook_ = 0;
    bool stopped_ = false;
};

}  // namespace corvane
