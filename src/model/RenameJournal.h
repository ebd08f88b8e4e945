// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

// The renames a run is about to make, kept on disk beside the database from before the first
// rename until the database follows them, so that a run cut short can be completed.
class RenameJournal {
public:
    using Move = std::pair<std::string, std::string>;  // from, to
    using Moves = std::vector<Move>;

    // The file name ending that marks a journal in the base directory.
    static constexpr const char* kSuffix = ".renames";

    explicit RenameJournal(const std::string& databasePath);

    const std::string& path() const { return path_; }
    bool exists() const;
    // Written whole and flushed to disk, or not at all.
    bool write(const std::vector<Move>& renames) const;
    // None when it cannot be read whole or is not a journal.
    std::optional<std::vector<Move>> read() const;
    bool remove() const;

private:
    std::string path_;
};

}  // namespace corvane
