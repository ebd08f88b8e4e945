// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/ToolReport.h"
#include "tools/IPSPatcherHandler.h"

namespace corvane {

class Progress;
class TextSource;

// What the IPS Center's fields say; IpsRequest{} is the window as it opens.
struct IpsRequest {
    std::string patchPath;
    std::string sourcePath;
    // The patched image goes to targetPath; otherwise it replaces the source.
    bool separateTarget = true;
    std::string targetPath;
    bool enforceSha1 = false;
    std::string expectedSha1;
};

// One patch run as values, so that it can run on a worker thread: the source's SHA-1 checked
// when asked, then the patch applied.
class IpsJob {
public:
    explicit IpsJob(IpsRequest request) : request_(std::move(request)) {}

    // Only the hashing can be stopped; nothing is written before it has ended.
    void run(Progress& progress);

    bool stopped() const { return stopped_; }
    bool sha1Mismatch() const { return sha1Mismatch_; }
    // None when the patch was not tried.
    std::optional<IPSResult> result() const { return result_; }

private:
    IpsRequest request_;
    bool stopped_ = false;
    bool sha1Mismatch_ = false;
    std::optional<IPSResult> result_;
};

// IPS patching as the window and the command line use it.
class IpsOperation {
public:
    explicit IpsOperation(const TextSource& texts) : texts_(texts) {}

    // The catalogue key of the first empty field, in the window's order; none when the request
    // can run. The paths are trimmed in place; the expected SHA-1 is taken as typed.
    static std::optional<std::string> refusal(IpsRequest& request);

    // What the user reads: the success message, or the error of the SHA-1 check or of the
    // patch; nothing after a stop.
    ToolReport finish(const IpsJob& job) const;

private:
    const TextSource& texts_;
};

}  // namespace corvane
