// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CsvRowReader.h"

#include <set>
#include <utility>

namespace corvane::test {

namespace {

// Backslash and quote is an inner quote, or a value ending in a backslash before its closing
// quote; a quote without a backslash always closes. Only the whole row tells which (a value may
// end in `",`), so the reader tries each closing quote in turn until the rest of the row reads.
class RowSearch {
public:
    RowSearch(std::string_view body, size_t count) : body_(body), count_(count) {}

    // Reads values index.. from the opening quote at `open`.
    bool read(size_t open, size_t index) {
        if (open >= body_.size() || body_[open] != '"' || failed_.contains({open, index}))
            return false;
        for (size_t close = open + 1; close < body_.size(); ++close) {
            if (body_[close] != '"')
                continue;
            const bool bare = body_[close - 1] != '\\';
            if (closes(open, close, index))
                return true;
            if (bare)
                break;
        }
        failed_.insert({open, index});
        return false;
    }

    std::vector<std::string> values;

private:
    bool closes(size_t open, size_t close, size_t index) {
        const bool last = index + 1 == count_;
        if (last ? close + 1 != body_.size() : !body_.substr(close + 1).starts_with(",\""))
            return false;
        values.push_back(unescaped(body_.substr(open + 1, close - open - 1)));
        if (last || read(close + 2, index + 1))
            return true;
        values.pop_back();
        return false;
    }

    static std::string unescaped(std::string_view raw) {
        std::string value;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == '"')
                ++i;
            value += raw[i];
        }
        return value;
    }

    std::string_view body_;
    size_t count_;
    std::set<std::pair<size_t, size_t>> failed_;
};

}  // namespace

std::optional<std::vector<std::string>> readCsvRow(std::string_view line, size_t count,
                                                   std::string& problem) {
    if (!line.ends_with("\r\n")) {
        problem = "no CR LF at the end";
        return std::nullopt;
    }
    line.remove_suffix(2);
    RowSearch search(line, count);
    if (count == 0 || !search.read(0, 0)) {
        problem = "not " + std::to_string(count) + " quoted values";
        return std::nullopt;
    }
    return std::move(search.values);
}

}  // namespace corvane::test
