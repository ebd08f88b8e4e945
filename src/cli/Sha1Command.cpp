// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Sha1Command.h"

#include <mutex>
#include <optional>

#include "cli/CliContext.h"
#include "cli/CliWorkspace.h"
#include "cli/CommandRow.h"
#include "cli/ExitStatus.h"
#include "cli/ProgressLine.h"
#include "cli/Sha1Arguments.h"
#include "cli/StreamPrompter.h"
#include "common/Progress.h"
#include "common/TextSource.h"

namespace corvane {

namespace {

// The file being hashed or searched for, on the terminal line when there is one.
class Sha1Progress final : public Progress {
public:
    Sha1Progress(const std::atomic<bool>& interrupted, ProgressLine* line)
        : interrupted_(interrupted), line_(line) {}
    void setRange(std::int64_t) override {}
    void setPosition(std::int64_t) override {}
    void setStatus(const std::string& text) override {
        std::lock_guard lock(mutex_);
        status_ = text;
    }
    void setDetail(const std::string& text) override {
        std::lock_guard lock(mutex_);
        if (line_ != nullptr)
            line_->show(status_ + " " + text);
    }
    bool cancelled() const override { return interrupted_.load(); }

private:
    const std::atomic<bool>& interrupted_;
    ProgressLine* line_;
    std::mutex mutex_;
    std::string status_;
};

// What a found file prints after its SHA-1; none when it was not found.
std::optional<std::string> foundText(const Sha1CenterOutcome& outcome) {
    if (outcome.profile)
        return outcome.profile->database + "\t" + outcome.profile->profile;
    if (outcome.entry)
        return outcome.entry->title + "\t" + outcome.entry->database;
    return std::nullopt;
}

}  // namespace

std::string sha1sumLine(const std::string& sha1, const std::string& name) {
    std::string escaped;
    bool escapes = false;
    for (const char c : name) {
        const char* replacement = c == '\\'   ? "\\\\"
                                  : c == '\n' ? "\\n"
                                  : c == '\r' ? "\\r"
                                              : nullptr;
        escapes = escapes || replacement != nullptr;
        if (replacement != nullptr)
            escaped += replacement;
        else
            escaped += c;
    }
    return (escapes ? "\\" : "") + sha1 + "  " + escaped + "\n";
}

int runSha1(CommandSession& session, Sha1Arguments& arguments) {
    const CliContext& context = session.context;
    CliWorkspace& workspace = session.workspace;
    std::optional<ProgressLine> line;
    Sha1CenterOperation operation(workspace.store(), workspace.sha1Cache(),
                                  workspace.softwareSources(), workspace.texts());
    // The line goes before the prompter does: it must not be cleared once gone.
    struct LineHook {
        StreamPrompter& prompter;
        ~LineHook() { prompter.setBeforeMessage({}); }
    } hook{session.prompter};
    if (context.terminalColumns > 0) {
        line.emplace(context.err, context.terminalColumns);
        session.prompter.setBeforeMessage([&line] { line->clear(); });
    }
    Sha1Progress progress(context.interrupted, line ? &*line : nullptr);
    bool allDone = true;
    for (const std::string& file : arguments.files) {
        Sha1CenterRequest request = arguments.request;
        request.path = file;
        Sha1CenterJob job = operation.prepare(std::move(request));
        job.run(progress);
        const Sha1CenterOutcome outcome = operation.finish(job);
        if (line)
            line->clear();
        if (job.stopped())
            return exitCode(ExitStatus::Interrupted);
        if (job.sha1().empty()) {
            context.err << "corvane-cli sha1: " << file << ": cannot be read\n";
            allDone = false;
        } else if (!outcome.error.empty()) {
            context.err << outcome.error << '\n';
            allDone = false;
        } else if (!job.request().find) {
            context.out << sha1sumLine(job.sha1(), file) << std::flush;
        } else if (const std::optional<std::string> found = foundText(outcome)) {
            context.out << job.sha1() << '\t' << *found << '\n' << std::flush;
        } else {
            context.err << file << ": " << outcome.notFound << '\n';
            allDone = false;
        }
    }
    // A script must not take an unwritten output for success.
    return exitCode(allDone && context.out ? ExitStatus::Done : ExitStatus::Failed);
}

}  // namespace corvane
