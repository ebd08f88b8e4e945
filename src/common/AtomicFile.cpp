// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AtomicFile.h"

#include <unistd.h>

#include <cstdio>

namespace corvane {

AtomicFileWriter::AtomicFileWriter(std::string path)
    : path_(std::move(path)), tmpPath_(path_ + ".tmp") {
    file_ = std::fopen(tmpPath_.c_str(), "wb");
}

AtomicFileWriter::~AtomicFileWriter() { abandon(); }

void AtomicFileWriter::abandon() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        std::remove(tmpPath_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (!file_ || failed_ || bytes.empty()) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

void AtomicFileWriter::writeLine(std::string_view line) {
    write(line);
    write("\r\n");
}

bool AtomicFileWriter::commit() {
    if (!file_) return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) ok = std::rename(tmpPath_.c_str(), path_.c_str()) == 0;
    if (!ok) std::remove(tmpPath_.c_str());
    return ok;
}

bool replaceFileContent(const std::string& path, std::string_view content) {
    AtomicFileWriter writer(path);
    writer.write(content);
    return writer.commit();
}

bool appendLine(const std::string& path, std::string_view line) {
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f) return false;
    bool ok = std::fwrite(line.data(), 1, line.size(), f) == line.size();
    ok = ok && std::fwrite("\r\n", 1, 2, f) == 2;
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}

}  // namespace corvane
