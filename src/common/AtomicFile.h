// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace corvane {

// Rewrites a file in place without ever leaving it truncated or missing: the new content goes
// to path + ".tmp", is flushed to disk and then renamed over the original. Until commit()
// succeeds the original is untouched; an abandoned writer removes its temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view bytes);
    // Writes bytes followed by CR LF.
    void writeLine(std::string_view line);
    bool commit();

private:
    void abandon();

    std::string path_;
    std::string tmpPath_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// One-shot form: replaces the file's whole content.
bool replaceFileContent(const std::string& path, std::string_view content);

// Appends line + CR LF to the file (created when missing). False on any failed step.
bool appendLine(const std::string& path, std::string_view line);

}  // namespace corvane
