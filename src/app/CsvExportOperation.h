// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/CsvExportJob.h"
#include "app/ToolReport.h"

namespace corvane {

class DatabaseStore;
class Sha1Cache;
class SoftwareSources;
class TextSource;

// What an export is asked to do; CsvExportRequest{} is the dialog's initial state.
struct CsvExportRequest {
    bool all = true;
    std::string database;  // with all clear: the one to export, without ".db"
    std::string file;      // the output path
};

// Export to CSV as the windows and the command line use it: the checks of a request, the job
// that runs it, and what follows it (the SHA-1s it computed go to the cache).
class CsvExportOperation {
public:
    CsvExportOperation(DatabaseStore& store, Sha1Cache& cache, const TextSource& texts);

    // The catalogue key of the first reason the request cannot run; none when it can. The file
    // name is trimmed of blanks in place.
    std::optional<std::string> refusal(CsvExportRequest& request);
    // A file of that path can be read, or the path is a symbolic link (even a dangling one): the
    // user is asked before it is replaced.
    static bool replacesFile(const CsvExportRequest& request);

    // The databases to choose from, read from the folder again, and the current one.
    std::vector<std::string> databaseNames();
    const std::string& currentDatabase() const;

    // Takes what the job needs from the owner's state, the texts in the current language.
    CsvExportJob prepare(const CsvExportRequest& request, const SoftwareSources& sources);

    // On the owner's thread once the job has run: the SHA-1s it computed are kept, and the
    // message says whether the file holds every profile or only those written before Cancel.
    ToolReport finish(const CsvExportJob& job);

private:
    DatabaseStore& store_;
    Sha1Cache& cache_;
    const TextSource& texts_;
};

}  // namespace corvane
