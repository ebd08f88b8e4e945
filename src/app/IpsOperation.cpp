// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/IpsOperation.h"

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "common/TextSource.h"
#include "media/CancelCheck.h"

namespace corvane {

void IpsJob::run(Progress& progress) {
    if (request_.enforceSha1) {
        progress.setStatus(request_.sourcePath);
        CancelCheck cancel(progress);
        const bool matches =
            IPSPatcherHandler::SourceHasSha1(request_.sourcePath, request_.expectedSha1, &cancel);
        if (cancel.stopped()) {
            stopped_ = true;
            return;
        }
        if (!matches) {
            sha1Mismatch_ = true;
            return;
        }
    }
    std::optional<std::string> target;
    if (request_.separateTarget)
        target = request_.targetPath;
    IPSPatcherHandler handler;
    result_ = handler.Apply(request_.patchPath, request_.sourcePath, target);
}

std::optional<std::string> IpsOperation::refusal(IpsRequest& request) {
    for (std::string* path : {&request.patchPath, &request.sourcePath, &request.targetPath})
        *path = std::string(trimBlanks(*path));
    if (request.patchPath.empty())
        return "M_ERR_PATCH_IPS_EMPTY";
    if (request.sourcePath.empty())
        return "M_ERR_PATCH_SRC_EMPTY";
    if (request.separateTarget && request.targetPath.empty())
        return "M_ERR_PATCH_TARGET_EMPTY";
    return std::nullopt;
}

ToolReport IpsOperation::finish(const IpsJob& job) const {
    ToolReport report;
    if (job.stopped())
        return report;
    if (job.sha1Mismatch()) {
        report.result = OperationResult::FileError;
        report.error = texts_.text("M_ERR_PATCH_SHA1_NOT_MATCH");
        return report;
    }
    const IPSResult result = job.result().value_or(IPSResult::NoPatchPath);
    std::string_view key = IPSPatcherHandler::MessageKey(result);
    // The engine has no message for empty paths, which refusal answers first.
    if (key.empty())
        key = result == IPSResult::NoSourcePath ? "M_ERR_PATCH_SRC_EMPTY" : "M_ERR_PATCH_IPS_EMPTY";
    if (result == IPSResult::Applied) {
        report.result = OperationResult::Done;
        report.message = texts_.text(key);
        report.messageKind = MessageKind::Info;
        return report;
    }
    report.result = OperationResult::FileError;
    report.error = texts_.text(key);
    return report;
}

}  // namespace corvane
