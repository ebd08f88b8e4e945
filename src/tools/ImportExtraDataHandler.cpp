// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ImportExtraDataHandler.h"

#include <algorithm>
#include <set>
#include <utility>

#include "common/FileStamp.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "common/ProgressSpan.h"
#include "common/RegularFile.h"
#include "media/CancelCheck.h"
#include "media/ProfileSha1.h"
#include "model/CParseIt.h"
#include "model/DatabaseName.h"
#include "model/Game.h"
#include "model/GenerationMsxLink.h"
#include "model/StoredField.h"

namespace corvane {

namespace {

constexpr std::string_view kDataFile = "extra-data.dat";
constexpr std::string_view kScreenshotFolder = "extra-screenshots";
constexpr int32_t kFirstLinkedId = 1;
constexpr int32_t kLastLinkedId = 9999;
// A profile stores genre ids in 7 bits each; a larger id would spill into the other genre.
constexpr int kLargestStorableGenre = 127;

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t pos = text.find(separator); pos != std::string_view::npos;
         pos = text.find(separator, start)) {
        parts.push_back(text.substr(start, pos - start));
        start = pos + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

uint8_t eightBits(std::string_view text) {
    return static_cast<uint8_t>(static_cast<unsigned long>(parseLeadingInteger(text)) & 0xFFu);
}

int32_t idOf(std::string_view text) {
    const long id = parseLeadingInteger(text);
    // Clamped rather than truncated, so a huge number never wraps into a valid id.
    return static_cast<int32_t>(std::clamp<long>(id, INT32_MIN, INT32_MAX));
}

// Generation flags, sound flags, genres ("g1" or "g1|g2") and screenshot suffix. False for a
// line without the four fields: the record's data line is missing and this is likely its SHA-1
// line, whose hex digits would otherwise be taken for flags.
bool readDataLine(std::string_view line, ExtraDataRecord& record) {
    const std::vector<std::string_view> fields = split(line, ',');
    if (fields.size() < 4)
        return false;
    record.generation = eightBits(fields[0]);
    record.sound = eightBits(fields[1]);
    const std::string_view genres = fields[2];
    const size_t bar = genres.find('|');
    record.genre1 = eightBits(genres.substr(0, bar));
    record.genre2 = bar == std::string_view::npos ? 0 : eightBits(genres.substr(bar + 1));
    record.suffix.assign(fields[3]);
    return true;
}

int storableGenre(uint8_t genre) {
    return genre <= kLargestStorableGenre ? genre : 0;
}

bool isLinkedId(int32_t id) {
    return id >= kFirstLinkedId && id <= kLastLinkedId;
}

// Overwrite replaces the profile's flags by the record's, Merge adds the record's; nothing for
// Skip.
std::optional<long> mergedFlags(MergeMode mode, long own, uint8_t record) {
    switch (mode) {
        case MergeMode::Skip:
            break;
        case MergeMode::Overwrite:
            return record;
        case MergeMode::Merge:
            return own | record;
    }
    return std::nullopt;
}

// Merge fills the profile's free genre places and keeps the genres it has.
bool mergeGenres(MergeMode mode, Game& game, const ExtraDataRecord& record) {
    const int genre1 = storableGenre(record.genre1);
    const int genre2 = storableGenre(record.genre2);
    switch (mode) {
        case MergeMode::Skip:
            return false;
        case MergeMode::Overwrite:
            game.genre1 = genre1;
            game.genre2 = genre2;
            return true;
        case MergeMode::Merge:
            if (game.genre1 == 0) {
                game.genre1 = genre1;
                if (game.genre2 == 0)
                    game.genre2 = genre2;
                return true;
            }
            if (game.genre2 == 0) {
                game.genre2 = genre1;
                return true;
            }
            return false;
    }
    return false;
}

bool wanted(SetMode mode, const std::string& current) {
    return mode == SetMode::Overwrite || (mode == SetMode::SetIfEmpty && current.empty());
}

}  // namespace

ImportExtraDataHandler::ImportExtraDataHandler(std::string baseDirectory, bool load)
    : baseDirectory_(std::move(baseDirectory)) {
    if (load)
        Load();
}

bool ImportExtraDataHandler::Load() {
    records_.clear();
    bySha1_.clear();
    LineReader reader(joinPath(baseDirectory_, kDataFile));
    if (!reader.isOpen())
        return reader.missing();

    enum class Expect { Record, DataLine, Sha1Line };
    Expect expect = Expect::Record;
    ExtraDataRecord pending;
    std::string line;
    while (reader.next(line)) {
        if (line.empty() || line.starts_with("--"))
            continue;
        // A "#" always opens a record, so one cut short cannot swallow the next.
        if (line.front() == '#') {
            pending = ExtraDataRecord{};
            pending.id = idOf(std::string_view(line).substr(1));
            expect = Expect::DataLine;
            continue;
        }
        switch (expect) {
            case Expect::Record:
                break;
            case Expect::DataLine:
                // A record without its data line is dropped with the lines up to the next "#".
                expect = readDataLine(line, pending) ? Expect::Sha1Line : Expect::Record;
                break;
            case Expect::Sha1Line:
                addRecord(pending, line);
                expect = Expect::Record;
                break;
        }
    }
    if (reader.failed()) {
        records_.clear();
        bySha1_.clear();
        return false;
    }
    return true;
}

void ImportExtraDataHandler::addRecord(const ExtraDataRecord& record, std::string_view sha1Line) {
    const size_t index = records_.size();
    bool used = false;
    for (std::string_view sha1 : split(sha1Line, '|')) {
        if (!sha1.empty() && bySha1_.try_emplace(std::string(sha1), index).second)
            used = true;
    }
    if (used)
        records_.push_back(record);
}

const ExtraDataRecord* ImportExtraDataHandler::Find(std::string_view sha1) const {
    const auto it = bySha1_.find(sha1);
    return it == bySha1_.end() ? nullptr : &records_[it->second];
}

std::string ImportExtraDataHandler::GenerationMsxLink(int32_t id) {
    if (!isLinkedId(id))
        return {};
    return generationMsxLink(std::to_string(id));
}

std::optional<std::array<std::string, 2>> ImportExtraDataHandler::ScreenshotPaths(
    const ExtraDataRecord& record) const {
    const std::string folder = joinPath(baseDirectory_, kScreenshotFolder);
    const std::string id = std::to_string(record.id);
    std::array<std::string, 2> paths{joinPath(folder, id + "a" + record.suffix + ".png"),
                                     joinPath(folder, id + "b" + record.suffix + ".png")};
    // Either path would otherwise split the profile's database line.
    if (!fitsDatabaseLine(paths[0]))
        return std::nullopt;
    return paths;
}

bool ImportExtraDataHandler::ApplyToNewProfile(Game& game, const std::string& sha1) const {
    const ExtraDataRecord* record = Find(sha1);
    if (!record)
        return false;
    game.setGenerationValue(record->generation);
    game.setSoundValue(record->sound);
    game.genre1 = storableGenre(record->genre1);
    game.genre2 = storableGenre(record->genre2);
    const std::string link = GenerationMsxLink(record->id);
    if (!link.empty()) {
        game.generationMsxId = std::to_string(record->id);
        game.infoFile = link;
    }
    const std::optional<std::array<std::string, 2>> screenshots = ScreenshotPaths(*record);
    if (screenshots && isRegularFile((*screenshots)[0])) {
        game.image1 = (*screenshots)[0];
        game.image2 = (*screenshots)[1];
    }
    return true;
}

bool ImportExtraDataHandler::ImportIntoProfile(Game& game, const ExtraDataRecord& record,
                                               const ExtraDataOptions& options) const {
    bool changed = false;
    if (const auto flags =
            mergedFlags(options.generation, game.generationValue(), record.generation)) {
        game.setGenerationValue(*flags);
        changed = true;
    }
    if (const auto flags = mergedFlags(options.sound, game.soundByte(), record.sound)) {
        game.setSoundValue(*flags);
        changed = true;
    }
    changed |= mergeGenres(options.genre, game, record);

    if (isLinkedId(record.id)) {
        std::string id = std::to_string(record.id);
        if (game.generationMsxId != id) {
            game.generationMsxId = std::move(id);
            changed = true;
        }
        if (wanted(options.infoFile, game.infoFile)) {
            game.infoFile = GenerationMsxLink(record.id);
            changed = true;
        }
    }

    if (record.id > 0 && wanted(options.screenshots, game.image1)) {
        const std::optional<std::array<std::string, 2>> screenshots = ScreenshotPaths(record);
        if (screenshots && isRegularFile((*screenshots)[0])) {
            game.image1 = (*screenshots)[0];
            game.image2 = (*screenshots)[1];
            changed = true;
        } else if (options.screenshots == SetMode::Overwrite) {
            // The record's screenshots are gone: the profile must not keep another record's.
            game.image1.clear();
            game.image2.clear();
            changed = true;
        }
    }
    return changed;
}

ExtraDataImportOutcome ImportExtraDataHandler::Import(const ExtraDataImportRequest& request,
                                                      const std::vector<std::string>& databases,
                                                      const LockWait& lockWait, Sha1Cache& cache,
                                                      Progress& progress) const {
    using Result = RewriteOutcome::Result;
    ExtraDataImportOutcome outcome;
    std::vector<std::optional<FileStamp>> stamps;
    std::int64_t total = 0;
    for (const std::string& name : databases) {
        stamps.push_back(fileStamp(databaseFilePath(baseDirectory_, name)));
        total += stamps.back() ? stamps.back()->size : 0;
    }
    std::set<std::string, std::less<>> selected;
    if (request.profiles)
        selected.insert(request.profiles->begin(), request.profiles->end());
    // One bar for the run: each database's bytes come after those of the ones before it.
    progress.setRange(total);
    std::int64_t before = 0;
    const ProfileFile rewrite(baseDirectory_, lockWait);
    for (size_t i = 0; i < databases.size(); ++i) {
        if (!stamps[i])
            continue;  // gone since the list was made: nothing of it to change
        const std::string& name = databases[i];
        ProgressSpan run(progress, before, before + stamps[i]->size);
        before += stamps[i]->size;
        run.setStatus(name);
        CancelCheck cancel(progress);
        const auto change = [&](Game& game) {
            if (request.profiles && !selected.contains(game.name))
                return false;
            const std::string sha1 = ProfileSha1(game, name, cache, &cancel, &outcome.hashed);
            const ExtraDataRecord* record = sha1.empty() ? nullptr : Find(sha1);
            return record != nullptr && ImportIntoProfile(game, *record, request.options);
        };
        const RewriteOutcome done = rewrite.rewrite(name, request.backup, change, run);
        if (done.result == Result::Missing)
            continue;  // deleted meanwhile
        outcome.result = done.result;
        if (done.result != Result::Done && done.result != Result::Stopped)
            return outcome;
        outcome.count += done.changed;
        outcome.rewritten.push_back(name);
        // A cancel during the last profile leaves the database whole but ends the run all the same.
        if (done.result == Result::Stopped || progress.cancelled()) {
            outcome.result = Result::Stopped;
            return outcome;
        }
    }
    return outcome;
}

bool ImportExtraDataHandler::MachineFromGeneration(Game& game, const std::string& sha1) const {
    static constexpr std::pair<uint8_t, std::string_view> kMachines[] = {
        {1, "MSX"}, {2, "MSX2"}, {4, "MSX2+"}, {8, "MSXturboR"}};
    const ExtraDataRecord* record = Find(sha1);
    if (!record)
        return false;
    for (const auto& [bit, machine] : kMachines) {
        if (record->generation & bit) {
            game.machine = machine;
            return true;
        }
    }
    return false;
}

}  // namespace corvane
