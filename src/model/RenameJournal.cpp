// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RenameJournal.h"

#include <unistd.h>

#include <cerrno>

#include "common/AtomicFile.h"
#include "common/LineReader.h"
#include "common/Path.h"

namespace corvane {

namespace {
// The first line; the last one tells that nothing is missing in between, and holds a "|" that
// no stored path can hold.
constexpr const char* kHeader = "renames 1";
constexpr const char* kEnd = "|end";
}  // namespace

RenameJournal::RenameJournal(const std::string& databasePath) : path_(databasePath + kSuffix) {}

bool RenameJournal::exists() const {
    return fileExists(path_);
}

bool RenameJournal::write(const std::vector<Move>& renames) const {
    // Paths come from database lines, so none holds a line end.
    AtomicFileWriter out(path_);
    out.writeLine(kHeader);
    for (const auto& [from, to] : renames) {
        out.writeLine(from);
        out.writeLine(to);
    }
    out.writeLine(kEnd);
    return out.commit();
}

std::optional<std::vector<RenameJournal::Move>> RenameJournal::read() const {
    LineReader reader(path_);
    std::string line;
    if (!reader.isOpen() || !reader.next(line) || line != kHeader)
        return std::nullopt;
    std::vector<Move> moves;
    std::string to;
    while (reader.next(line)) {
        if (line == kEnd)
            return reader.next(line) ? std::nullopt : std::optional(std::move(moves));
        if (!reader.next(to))
            break;
        moves.emplace_back(std::move(line), std::move(to));
    }
    return std::nullopt;
}

bool RenameJournal::remove() const {
    return ::unlink(path_.c_str()) == 0 || errno == ENOENT;
}

}  // namespace corvane
