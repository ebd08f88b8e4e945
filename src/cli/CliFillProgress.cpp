// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliFillProgress.h"

#include "cli/ProgressLine.h"
#include "common/Path.h"

namespace corvane {

CliFillProgress::CliFillProgress(const std::atomic<bool>& interrupted, ProgressLine* line,
                                 std::string caption)
    : interrupted_(interrupted), line_(line), caption_(std::move(caption)) {}

void CliFillProgress::setStatus(const std::string& path) {
    std::lock_guard lock(mutex_);
    directory_ = path;
    file_.clear();
    show();
}

void CliFillProgress::setDetail(const std::string& name) {
    std::lock_guard lock(mutex_);
    file_ = name;
    show();
}

bool CliFillProgress::cancelled() const {
    return interrupted_.load();
}

void CliFillProgress::show() {
    if (line_ != nullptr)
        line_->show(caption_ + " " + (file_.empty() ? directory_ : joinPath(directory_, file_)));
}

}  // namespace corvane
