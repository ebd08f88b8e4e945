// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Prompter.h"

class QObject;

namespace corvane {

// The prompter of an engine running on a worker thread: its messages are handed to the thread
// of context and shown there through the window's prompter, never by the worker. A message still
// on its way when context goes is dropped with it.
class QueuedNotices : public Prompter {
public:
    QueuedNotices(Prompter& shown, QObject* context) : shown_(shown), context_(context) {}

    void message(const std::string& text, MessageKind kind) override;
    // A worker may not wait for the window, so a question gets the answer that changes nothing.
    bool confirm(const std::string& text) override;
    bool confirmDestructive(const std::string& text) override;
    MultiAnswer multiConfirm(const std::string& text) override;
    // The worker's own window shows where it is.
    std::unique_ptr<Progress> progress(const std::string& caption, int range) override;

private:
    Prompter& shown_;
    QObject* context_;
};

}  // namespace corvane
