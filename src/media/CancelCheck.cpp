// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CancelCheck.h"

#include "common/Progress.h"

namespace corvane {

bool CancelCheck::keepGoing(std::size_t count) {
    if (stopped_)
        return false;
    if (bytes_ >= nextLook_) {
        if (progress_.cancelled()) {
            stopped_ = true;
            return false;
        }
        nextLook_ = bytes_ + kInterval;
    }
    bytes_ += count;
    return true;
}

}  // namespace corvane
