// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "selection/FilterState.h"

namespace corvane {

struct SavedFilter {
    std::string name;
    FilterState state;  // the genre code looked up from the stored genre name

    bool operator==(const SavedFilter&) const = default;
};

enum class SavedFilterResult {
    Written,
    WriteFailed,  // the change is kept in memory; the file still holds the old content
    InvalidName,  // empty, or holding a comma or a line break
    InvalidText,  // a criterion holds a comma or a line break
    Exists,
    NotFound,
};

// The named filters of filters.bml in the base directory: ten comma-separated fields a line
// (name, medium, company, year, comparison, country, system, generation, sound, genre name). The
// file is read on first use and rewritten whole, atomically, after every change.
class SavedFilters {
public:
    static constexpr const char* kFileName = "filters.bml";

    explicit SavedFilters(const std::string& baseDirectory);

    const std::string& path() const { return path_; }
    // In store order; a missing or unreadable file is an empty store. A file that is there but
    // could not be read whole is never rewritten: every change then fails to be written.
    const std::vector<SavedFilter>& filters();
    std::vector<std::string> names();
    // Exact, case-sensitive.
    bool exists(const std::string& name);
    // The state of the first saved filter of that name, ready to apply.
    std::optional<FilterState> stateOf(const std::string& name);

    // Appends the state under a new name. Commas and line breaks are refused: the file has no
    // quoting, so they would come back as other fields or other filters.
    SavedFilterResult add(const std::string& name, const FilterState& state);
    // The first filter with the old name gets the new one (which must be free, even when it
    // equals the old name).
    SavedFilterResult rename(const std::string& oldName, const std::string& newName);
    // Removes every filter named in the list; NotFound (and no write) when none is.
    SavedFilterResult remove(const std::vector<std::string>& names);
    // Ascending by name without regard to letter case; names equal but for case keep their order.
    bool sort();
    bool write();

private:
    void load();

    std::string path_;
    std::optional<std::vector<SavedFilter>> filters_;
    bool readWhole_ = false;
};

// The catalogue key of the message for a result; nullptr for Written and NotFound.
const char* savedFilterMessageKey(SavedFilterResult result);

}  // namespace corvane
