// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DirectoryLock.h"
#include "media/ProfileSha1.h"
#include "model/ProfileFile.h"
#include "tools/ExtraDataImportRequest.h"

namespace corvane {

class Game;
class Progress;
class Sha1Cache;

// One record of the extra-data file. The file's numbers are kept in 8 bits, so larger values
// wrap.
struct ExtraDataRecord {
    int32_t id = 0;  // Generation-MSX software id
    uint8_t generation = 0;
    uint8_t sound = 0;
    uint8_t genre1 = 0;
    uint8_t genre2 = 0;
    std::string suffix;  // appended to the screenshot names; empty when none
};

// What an import of extra data came to.
struct ExtraDataImportOutcome {
    // Of the database that ended the run: Done after the last one, Stopped after a cancel.
    RewriteOutcome::Result result = RewriteOutcome::Result::Done;
    int count = 0;  // profiles changed in the databases replaced
    std::vector<std::string> rewritten;
    std::vector<HashedProfile> hashed;
};

// The extra profile data kept beside the settings ("extra-data.dat" and the screenshots in
// "extra-screenshots"), looked up by the SHA-1 of a profile's main medium.
// After loading, lookups change nothing, so several threads may use one handler at once.
class ImportExtraDataHandler {
public:
    // Reads the file at once when load is true.
    explicit ImportExtraDataHandler(std::string baseDirectory, bool load = false);

    // Reads the file, replacing any records read before. A missing file gives no records.
    // False, with no records, when the file is there but could not be read to its end.
    bool Load();

    // The record of a SHA-1 as written in the file; nullptr when there is none.
    const ExtraDataRecord* Find(std::string_view sha1) const;
    // Number of SHA-1s that have a record.
    size_t size() const { return bySha1_.size(); }

    // Gives a profile being created the generation, sound, genres, Generation-MSX id and link
    // and screenshots of its record. False, changing nothing, when the SHA-1 has no record.
    bool ApplyToNewProfile(Game& game, const std::string& sha1) const;
    // Changes an existing profile by its record as the options say. True when the change counts:
    // a chosen generation, sound or genre mode counts whatever it changed, a new Generation-MSX
    // id counts, and so does setting the link or setting or emptying the screenshots.
    bool ImportIntoProfile(Game& game, const ExtraDataRecord& record,
                           const ExtraDataOptions& options) const;
    // Changes the profiles of the databases (names, in order) as the request says, each database
    // replaced whole. The database during which Cancel was pressed is still replaced, its other
    // profiles unchanged, and no later one is touched; the first that cannot be written ends the
    // run as it was. A database that is not there is passed over. The cache answers first; what
    // had to be hashed is told in the outcome and stored in the cache.
    ExtraDataImportOutcome Import(const ExtraDataImportRequest& request,
                                  const std::vector<std::string>& databases,
                                  const LockWait& lockWait, Sha1Cache& cache,
                                  Progress& progress) const;
    // Sets the profile's machine from the lowest generation of its record. False, changing
    // nothing, without a record or without a generation in it.
    bool MachineFromGeneration(Game& game, const std::string& sha1) const;

    // The Generation-MSX software-info page of an id; empty outside 1..9999.
    static std::string GenerationMsxLink(int32_t id);
    // Full paths of a record's two screenshots; nothing when they could not be stored in a
    // database line.
    std::optional<std::array<std::string, 2>> ScreenshotPaths(const ExtraDataRecord& record) const;

private:
    void addRecord(const ExtraDataRecord& record, std::string_view sha1Line);

    std::string baseDirectory_;
    std::vector<ExtraDataRecord> records_;
    // The first record that lists a SHA-1 keeps it; the value indexes records_.
    std::map<std::string, size_t, std::less<>> bySha1_;
};

}  // namespace corvane
