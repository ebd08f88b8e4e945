// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CsvExporter.h"

#include "common/Progress.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "model/DatabaseName.h"
#include "model/Game.h"
#include "tools/CsvRowBuilder.h"

namespace corvane {

namespace {
constexpr std::int64_t kProgressEvery = 20;
}  // namespace

CsvExporter::CsvExporter(const CsvRowBuilder& rows, Sha1Cache& cache, Progress& progress)
    : rowBuilder_(rows), cache_(cache), progress_(progress) {}

ReadResult CsvExporter::run(const std::string& directory, const std::vector<std::string>& databases,
                            std::int64_t total, const Write& write) {
    // A database that cannot even be opened fails the export before a row is written.
    for (const std::string& database : databases) {
        if (probeProfiles(databaseFilePath(directory, database)) == ReadResult::Unreadable) {
            unreadable_ = database;
            return ReadResult::Unreadable;
        }
    }
    progress_.setRange(total);
    write(rowBuilder_.headerLine());
    for (const std::string& database : databases) {
        const ReadResult read = exportDatabase(directory, database, write);
        if (read == ReadResult::Unreadable)
            unreadable_ = database;
        if (read != ReadResult::Done && read != ReadResult::Missing)
            return read;
    }
    return ReadResult::Done;
}

ReadResult CsvExporter::exportDatabase(const std::string& directory, const std::string& database,
                                       const Write& write) {
    progress_.setStatus(database);
    bool stopped = false;
    const ReadResult read =
        forEachProfile(databaseFilePath(directory, database), [&](const ProfileLine& line) {
            if (counter_ % kProgressEvery == 0) {
                if (progress_.cancelled()) {
                    stopped = true;
                    return false;
                }
                progress_.setPosition(counter_ + 1);
            }
            ++counter_;
            const Game game = line.profile();
            CancelCheck cancel(progress_);
            const std::string sha1 = ProfileSha1(game, database, cache_, &cancel, &computed_);
            if (cancel.stopped()) {
                stopped = true;
                return false;
            }
            write(rowBuilder_.rowLine(game, database, sha1, csvMainMediumSize(game)));
            ++rows_;
            return true;
        });
    return stopped ? ReadResult::Stopped : read;
}

}  // namespace corvane
