// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CsvExporter.h"

#include "common/LineReader.h"
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

bool CsvExporter::run(const std::string& directory, const std::vector<std::string>& databases,
                      std::int64_t total, const Write& write) {
    progress_.setRange(total);
    write(rowBuilder_.headerLine());
    for (const std::string& database : databases)
        if (!exportDatabase(directory, database, write))
            return false;
    return true;
}

bool CsvExporter::exportDatabase(const std::string& directory, const std::string& database,
                                 const Write& write) {
    LineReader reader(databaseFilePath(directory, database));
    if (!reader.isOpen())
        return true;
    progress_.setStatus(database);
    std::string line;
    for (;;) {
        if (counter_ % kProgressEvery == 0) {
            if (progress_.cancelled())
                return false;
            progress_.setPosition(counter_ + 1);
        }
        if (!reader.next(line))
            return true;
        ++counter_;
        if (line.empty())
            continue;
        Game game;
        game.FromLine(line);
        CancelCheck cancel(progress_);
        const std::string sha1 = ProfileSha1(game, database, cache_, &cancel, &computed_);
        if (cancel.stopped())
            return false;
        write(rowBuilder_.rowLine(game, database, sha1, csvMainMediumSize(game)));
        ++rows_;
    }
}

}  // namespace corvane
