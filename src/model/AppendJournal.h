// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace corvane {

// The length a database had before lines were appended to it, kept on disk beside it until the
// lines are: a kill in the middle of the append leaves a part line, which the next writer or
// start cuts off by putting the database back to that length. The caller holds the lock.
class AppendJournal {
public:
    // The file name ending that marks such a journal in the base directory.
    static constexpr const char* kSuffix = ".appending";

    explicit AppendJournal(const std::string& databasePath);

    // Records the database's length (0 when it is not there yet), written whole and on disk.
    bool begin() const;
    // The append is on disk: nothing to undo any more.
    void end() const;
    // Cuts the database back to the recorded length and removes the journal. True when there
    // was no journal or the database is back as it was; false when that could not be done.
    bool undo() const;

private:
    std::string database_;
    std::string path_;
};

}  // namespace corvane
