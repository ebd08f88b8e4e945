// SPDX-License-Identifier: GPL-3.0-or-later
#include "selection/SavedFilters.h"

#include <algorithm>
#include <array>
#include <set>

#include "common/AsciiCase.h"
#include "common/AtomicFile.h"
#include "common/LineReader.h"
#include "common/Path.h"
#include "model/CParseIt.h"

namespace corvane {

namespace {

bool storable(const std::string& text) {
    return text.find_first_of(",\r\n") == std::string::npos;
}

// The texts of a state in the order of the fields after the name, for reading and writing alike.
template <typename State>
auto storedTexts(State& s) {
    return std::array{&s.medium, &s.company,    &s.year,  &s.yearComparison, &s.country,
                      &s.system, &s.generation, &s.sound, &s.genreName};
}

bool stateStorable(const FilterState& s) {
    for (const std::string* text : storedTexts(s))
        if (!storable(*text))
            return false;
    return true;
}

SavedFilter parseLine(const std::string& line) {
    CParseIt parser;
    parser.Parse(line, ",");
    SavedFilter filter;
    parser.GetField(1, filter.name);
    int field = 2;
    for (std::string* text : storedTexts(filter.state))
        parser.GetField(field++, *text);
    filter.state.genreCode = genreCodeOf(filter.state.genreName);
    return filter;
}

std::string formatLine(const SavedFilter& filter) {
    const FilterState& s = filter.state;
    std::string line = filter.name;
    for (const std::string* text : storedTexts(s)) {
        line += ',';
        line += *text;
    }
    return line;
}

}  // namespace

SavedFilters::SavedFilters(const std::string& baseDirectory)
    : path_(joinPath(baseDirectory, kFileName)) {}

void SavedFilters::load() {
    filters_.emplace();
    LineReader reader(path_);
    std::string line;
    while (reader.next(line))
        if (!line.empty())
            filters_->push_back(parseLine(line));
    readWhole_ = reader.isOpen() ? !reader.failed() : reader.missing();
}

const std::vector<SavedFilter>& SavedFilters::filters() {
    if (!filters_)
        load();
    return *filters_;
}

std::vector<std::string> SavedFilters::names() {
    std::vector<std::string> out;
    for (const SavedFilter& filter : filters())
        out.push_back(filter.name);
    return out;
}

bool SavedFilters::exists(const std::string& name) {
    return std::ranges::any_of(filters(), [&](const SavedFilter& f) { return f.name == name; });
}

std::optional<FilterState> SavedFilters::stateOf(const std::string& name) {
    for (const SavedFilter& filter : filters())
        if (filter.name == name)
            return filter.state;
    return std::nullopt;
}

SavedFilterResult SavedFilters::add(const std::string& name, const FilterState& state) {
    if (name.empty() || !storable(name))
        return SavedFilterResult::InvalidName;
    if (exists(name))
        return SavedFilterResult::Exists;
    if (!stateStorable(state))
        return SavedFilterResult::InvalidText;
    SavedFilter filter{name, state};
    filter.state.genreCode = genreCodeOf(state.genreName);
    filters_->push_back(std::move(filter));
    return write() ? SavedFilterResult::Written : SavedFilterResult::WriteFailed;
}

SavedFilterResult SavedFilters::rename(const std::string& oldName, const std::string& newName) {
    if (oldName.empty() || newName.empty() || !storable(newName))
        return SavedFilterResult::InvalidName;
    if (exists(newName))
        return SavedFilterResult::Exists;
    const auto it = std::ranges::find(*filters_, oldName, &SavedFilter::name);
    if (it == filters_->end())
        return SavedFilterResult::NotFound;
    it->name = newName;
    return write() ? SavedFilterResult::Written : SavedFilterResult::WriteFailed;
}

SavedFilterResult SavedFilters::remove(const std::vector<std::string>& names) {
    const std::set<std::string, std::less<>> doomed(names.begin(), names.end());
    filters();
    const size_t removed =
        std::erase_if(*filters_, [&](const SavedFilter& f) { return doomed.contains(f.name); });
    if (removed == 0)
        return SavedFilterResult::NotFound;
    return write() ? SavedFilterResult::Written : SavedFilterResult::WriteFailed;
}

bool SavedFilters::sort() {
    filters();
    std::ranges::stable_sort(*filters_, [](const SavedFilter& a, const SavedFilter& b) {
        return compareIgnoreCase(a.name, b.name) < 0;
    });
    return write();
}

bool SavedFilters::write() {
    filters();
    // Rewriting a file that could not be read whole would lose the filters it holds.
    if (!readWhole_)
        return false;
    AtomicFileWriter writer(path_);
    for (const SavedFilter& filter : *filters_)
        writer.writeLine(formatLine(filter));
    return writer.commit();
}

const char* savedFilterMessageKey(SavedFilterResult result) {
    switch (result) {
        case SavedFilterResult::WriteFailed:
            return "M_ERR_FILE_IO";
        case SavedFilterResult::InvalidName:
            return "M_INVALID_NAME";
        case SavedFilterResult::InvalidText:
            return "M_ERR_FILTER_COMMA";
        case SavedFilterResult::Exists:
            return "M_ERR_FILTER_ALREADY_EXISTS";
        case SavedFilterResult::Written:
        case SavedFilterResult::NotFound:
            break;
    }
    return nullptr;
}

}  // namespace corvane
