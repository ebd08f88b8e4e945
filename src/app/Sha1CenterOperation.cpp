// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Sha1CenterOperation.h"

#include "common/AsciiCase.h"
#include "common/Progress.h"
#include "common/TextSource.h"
#include "media/CSHADigest.h"
#include "media/CancelCheck.h"
#include "model/DatabaseStore.h"

namespace corvane {

Sha1CenterJob::Sha1CenterJob(Sha1CenterRequest request, std::string directory,
                             std::vector<std::string> databases, Sha1Cache known,
                             std::unique_ptr<SoftwareDbSha1Search> software, std::string status)
    : request_(std::move(request)),
      directory_(std::move(directory)),
      databases_(std::move(databases)),
      known_(std::move(known)),
      software_(std::move(software)),
      status_(std::move(status)) {}

void Sha1CenterJob::run(Progress& progress) {
    progress.setStatus(status_);
    progress.setDetail(request_.path);
    // A ZIP archive is hashed as the file it is: its members are not looked at.
    CSHADigest digest;
    CancelCheck cancel(progress);
    if (!request_.path.empty() && digest.HashFile(request_.path, &cancel))
        sha1_ = toLowerAscii(digest.DigestText());
    stopped_ = cancel.stopped();
    if (stopped_ || !request_.find || sha1_.empty())
        return;
    if (request_.target == Sha1Target::Launcher) {
        launcher_ = searchLauncher(directory_, databases_, sha1_, known_, progress);
        stopped_ = launcher_.stopped;
    } else {
        softwareResult_ = software_->find(sha1_, progress);
        stopped_ = softwareResult_.stopped;
    }
}

Sha1CenterOperation::Sha1CenterOperation(DatabaseStore& store, Sha1Cache& cache,
                                         SoftwareSources sources, const TextSource& texts)
    : store_(store), cache_(cache), sources_(std::move(sources)), texts_(texts) {}

Sha1CenterOperation::~Sha1CenterOperation() = default;

const char* Sha1CenterOperation::progressTitleKey(const Sha1CenterRequest& request) {
    if (!request.find)
        return "PR_CALCULATE_SHA1";
    return request.target == Sha1Target::Launcher ? "PR_SEARCH_LAUNCHER" : "PR_SEARCH_CORVANE";
}

Sha1CenterJob Sha1CenterOperation::prepare(Sha1CenterRequest request) {
    const bool launcher = request.find && request.target == Sha1Target::Launcher;
    const bool software = request.find && request.target == Sha1Target::Emulator;
    std::vector<std::string> databases;
    if (launcher) {
        // Databases may have been made or copied in since the list was read.
        store_.forgetDatabaseList();
        databases = store_.databaseNames();
    }
    if (software && !software_)
        software_ = std::make_unique<SoftwareDbSha1Search>(sources_);
    const std::string status = texts_.text(progressTitleKey(request));
    return Sha1CenterJob(std::move(request), store_.directory(), std::move(databases),
                         launcher ? cache_ : Sha1Cache(), software ? std::move(software_) : nullptr,
                         status);
}

Sha1CenterOutcome Sha1CenterOperation::finish(Sha1CenterJob& job) {
    Sha1CenterOutcome outcome;
    // The files this search read serve the next one.
    if (job.request().target == Sha1Target::Emulator && job.request().find)
        software_ = job.takeSoftware();
    for (const HashedProfile& hashed : job.launcher().hashed)
        cache_.store(hashed.profile, hashed.database, hashed.sha1);
    const bool found = !job.sha1().empty();
    if (job.request().find ? found : !job.stopped())
        outcome.shownSha1 = job.sha1();
    if (!job.request().find || !found || job.stopped())
        return outcome;
    if (job.request().target == Sha1Target::Launcher) {
        outcome.profile = job.launcher().hit;
        if (!outcome.profile)
            outcome.notFound = texts_.text("M_NOT_FOUND_LAUNCHER");
    } else if (job.software().entry) {
        outcome.entry = job.software().entry;
    } else {
        outcome.notFound = texts_.text("M_NOT_FOUND_CORVANE");
    }
    return outcome;
}

}  // namespace corvane
