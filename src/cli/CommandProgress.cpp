// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandProgress.h"

#include "cli/CliContext.h"
#include "cli/StreamPrompter.h"
#include "common/Path.h"

namespace corvane {

CommandProgress::CommandProgress(const CliContext& context, StreamPrompter& prompter,
                                 std::string caption)
    : context_(context), prompter_(prompter), caption_(std::move(caption)) {
    if (context.terminalColumns <= 0)
        return;
    line_.emplace(context.err, context.terminalColumns);
    prompter_.setBeforeMessage([this] { end(); });
}

CommandProgress::~CommandProgress() {
    prompter_.setBeforeMessage({});
    end();
}

void CommandProgress::setStatus(const std::string& text) {
    std::lock_guard lock(mutex_);
    status_ = text;
    detail_.clear();
    show();
}

void CommandProgress::setDetail(const std::string& text) {
    std::lock_guard lock(mutex_);
    detail_ = text;
    show();
}

bool CommandProgress::cancelled() const {
    return context_.interrupted.load();
}

void CommandProgress::end() {
    std::lock_guard lock(mutex_);
    if (line_)
        line_->clear();
}

void CommandProgress::show() {
    if (line_)
        line_->show(caption_ + " " + (detail_.empty() ? status_ : joinPath(status_, detail_)));
}

}  // namespace corvane
