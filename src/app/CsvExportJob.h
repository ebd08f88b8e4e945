// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/OperationResult.h"
#include "common/CapturedTexts.h"
#include "emulator/SoftwareSources.h"
#include "media/Sha1Cache.h"
#include "tools/CsvExporter.h"

namespace corvane {

class Progress;

// One CSV export with all it needs, so that it can run on a worker thread: it holds only values
// and touches only files (the databases, the media, the software databases and the output).
class CsvExportJob {
public:
    // databases: names without ".db" in the order written; total: the profiles they hold.
    CsvExportJob(std::string file, std::string directory, std::vector<std::string> databases,
                 std::int64_t total, SoftwareSources sources, Sha1Cache known, CapturedTexts texts);

    // Writes the file beside its old self and puts it in place once the export ends, stopped or
    // not, so that a failed write never leaves a cut file where the old one was.
    void run(Progress& progress);
    // Writes to a stream instead, as it goes.
    void runTo(std::ostream& out, Progress& progress);

    const std::string& file() const { return file_; }
    // Done (also when stopped, with what was written), or FileError when the output could not
    // be written.
    OperationResult result() const { return result_; }
    bool stopped() const { return stopped_; }
    int rows() const { return rows_; }
    const std::vector<HashedProfile>& computed() const { return computed_; }
    // Catalogue keys of what the run came across (M_ERR_NO_CORVANE_DB), in order.
    const std::vector<std::string>& noticeKeys() const { return noticeKeys_; }

private:
    void exportTo(const CsvExporter::Write& write, Progress& progress);

    std::string file_;
    std::string directory_;
    std::vector<std::string> databases_;
    std::int64_t total_;
    SoftwareSources sources_;
    Sha1Cache known_;
    CapturedTexts texts_;
    OperationResult result_ = OperationResult::NothingDone;
    bool stopped_ = false;
    int rows_ = 0;
    std::vector<HashedProfile> computed_;
    std::vector<std::string> noticeKeys_;
};

}  // namespace corvane
