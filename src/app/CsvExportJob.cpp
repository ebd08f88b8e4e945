// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CsvExportJob.h"

#include <ostream>

#include "app/NoticeKeys.h"
#include "common/AtomicFile.h"
#include "emulator/EmulatorDatabaseSet.h"
#include "tools/CsvRowBuilder.h"

namespace corvane {

CsvExportJob::CsvExportJob(std::string file, std::string directory,
                           std::vector<std::string> databases, std::int64_t total,
                           SoftwareSources sources, Sha1Cache known, CapturedTexts texts)
    : file_(std::move(file)),
      directory_(std::move(directory)),
      databases_(std::move(databases)),
      total_(total),
      sources_(std::move(sources)),
      known_(std::move(known)),
      texts_(std::move(texts)) {}

void CsvExportJob::exportTo(const CsvExporter::Write& write, Progress& progress) {
    NoticeKeys notices;
    // Loaded once for the whole export.
    const EmulatorDatabaseSet software(sources_, notices, notices);
    noticeKeys_ = notices.keys();
    const CsvRowBuilder rows(texts_, software);
    CsvExporter exporter(rows, known_, progress);
    const ReadResult read = exporter.run(directory_, databases_, total_, write);
    stopped_ = read == ReadResult::Stopped;
    unreadable_ = exporter.unreadable();
    rows_ = exporter.rows();
    computed_ = exporter.computed();
}

void CsvExportJob::run(Progress& progress) {
    AtomicFileWriter out(file_);
    if (!out.isOpen()) {
        result_ = OperationResult::FileError;
        return;
    }
    exportTo([&out](std::string_view bytes) { out.write(bytes); }, progress);
    // Without a database's rows the file is not put in place: the old one stays as it was.
    result_ =
        unreadable_.empty() && out.commit() ? OperationResult::Done : OperationResult::FileError;
}

void CsvExportJob::runTo(std::ostream& out, Progress& progress) {
    exportTo([&out](std::string_view bytes) { out.write(bytes.data(), std::ssize(bytes)); },
             progress);
    out.flush();
    result_ = unreadable_.empty() && out ? OperationResult::Done : OperationResult::FileError;
}

}  // namespace corvane
