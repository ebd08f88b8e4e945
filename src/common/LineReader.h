// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace corvane {

// Reads a text file line by line, whole lines of any length, accepting CR LF, LF and a lone CR
// as line ends, so that no two lines are ever read as one.
// A last line without a line end is still a line. Only regular files are opened.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The file was not opened because nothing of that name is there. Any other failure to open
    // means a file that exists but cannot be read, which a store must not rewrite as empty.
    bool missing() const { return missing_; }
    // False at end of file or on a read error (then failed() is true).
    bool next(std::string& line);
    bool failed() const { return failed_; }

private:
    bool refill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t begin_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    bool missing_ = false;
};

}  // namespace corvane
