// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CsvExportOperation.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "common/RegularFile.h"
#include "common/TextSource.h"
#include "model/DatabaseName.h"
#include "model/DatabaseStore.h"
#include "tools/CsvRowBuilder.h"

namespace corvane {

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

CsvExportOperation::CsvExportOperation(DatabaseStore& store, Sha1Cache& cache,
                                       const TextSource& texts)
    : store_(store), cache_(cache), texts_(texts) {}

std::optional<std::string> CsvExportOperation::refusal(CsvExportRequest& request) {
    request.file = trimmed(request.file);
    if (request.file.empty())
        return "M_ERR_CSV_EMPTY_FILENAME";
    if (!request.all) {
        const std::vector<std::string> names = databaseNames();
        if (!isListedDatabase(names, request.database))
            return "M_ERR_NO_DB_SEL";
    }
    return std::nullopt;
}

bool CsvExportOperation::replacesFile(const CsvExportRequest& request) {
    // The export writes where a link points, so a link is asked about like the file it stands
    // for, even one that points to nothing yet.
    struct stat status {};
    if (::lstat(request.file.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
        return true;
    const int fd = openRegularFile(request.file);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

std::vector<std::string> CsvExportOperation::databaseNames() {
    store_.forgetDatabaseList();
    return store_.databaseNames();
}

const std::string& CsvExportOperation::currentDatabase() const {
    return store_.currentDatabaseName();
}

CsvExportJob CsvExportOperation::prepare(const CsvExportRequest& request,
                                         const SoftwareSources& sources) {
    std::vector<std::string> databases;
    std::int64_t total = 0;
    if (request.all) {
        databases = store_.databaseNames();
        total = store_.countAllProfiles();
    } else {
        databases.push_back(request.database);
        total = store_.countProfiles(request.database + ".db");
    }
    return CsvExportJob(request.file, store_.directory(), std::move(databases), total, sources,
                        cache_, CapturedTexts(texts_, CsvRowBuilder::textKeys()));
}

ToolReport CsvExportOperation::finish(const CsvExportJob& job) {
    ToolReport report;
    report.messageKind = MessageKind::Info;
    report.result = job.result();
    for (const std::string& key : job.noticeKeys())
        report.notices.push_back(texts_.text(key));
    // The media were hashed whatever became of the file.
    for (const HashedProfile& computed : job.computed())
        cache_.store(computed.profile, computed.database, computed.sha1);
    if (job.result() == OperationResult::Done)
        report.message = texts_.text(job.stopped() ? "M_CSV_PART_GEN" : "M_CSV_FULL_GEN");
    return report;
}

}  // namespace corvane
