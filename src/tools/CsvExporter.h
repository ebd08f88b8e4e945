// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "media/ProfileSha1.h"

namespace corvane {

class CsvRowBuilder;
class Progress;
class Sha1Cache;

// Writes the CSV export: the header, then one row per profile of each database in turn. The
// SHA-1s come from the cache first; those computed are added to it and listed. Where it is goes
// to the progress every 20 lines read, counted across all databases, which is also when a Cancel
// is seen; a medium being hashed stops within a few MB.
class CsvExporter {
public:
    using Write = std::function<void(std::string_view bytes)>;

    CsvExporter(const CsvRowBuilder& rows, Sha1Cache& cache, Progress& progress);

    // databases: names without ".db", read from directory; total: the profiles they hold, the
    // range of the progress. A database that cannot be read is passed over. False when the user
    // stopped it; what was written until then stays written.
    bool run(const std::string& directory, const std::vector<std::string>& databases,
             std::int64_t total, const Write& write);

    int rows() const { return rows_; }
    const std::vector<HashedProfile>& computed() const { return computed_; }

private:
    bool exportDatabase(const std::string& directory, const std::string& database,
                        const Write& write);

    const CsvRowBuilder& rowBuilder_;
    Sha1Cache& cache_;
    Progress& progress_;
    std::int64_t counter_ = 0;
    int rows_ = 0;
    std::vector<HashedProfile> computed_;
};

}  // namespace corvane
