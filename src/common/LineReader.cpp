// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LineReader.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/RegularFile.h"

namespace corvane {

namespace {
constexpr size_t kBufferSize = 1 << 16;
}

LineReader::LineReader(const std::string& path) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        missing_ = errno == ENOENT;
        return;
    }
    file_ = ::fdopen(fd, "rb");
    if (!file_) {
        ::close(fd);
        return;
    }
    buffer_.resize(kBufferSize);
}

LineReader::~LineReader() {
    if (file_)
        std::fclose(file_);
}

bool LineReader::refill() {
    if (eof_ || !file_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    const size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
    end_ += got;
    if (got == 0) {
        eof_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    return true;
}

bool LineReader::next(std::string& line) {
    if (!file_)
        return false;
    size_t scanFrom = begin_;
    for (;;) {
        const char* data = buffer_.data();
        const char* start = data + scanFrom;
        const char* stop = data + end_;
        // Stops at the first CR or LF; memchr for LF keeps the common case fast.
        const char* nl = static_cast<const char*>(std::memchr(start, '\n', stop - start));
        const char* cr =
            static_cast<const char*>(std::memchr(start, '\r', (nl ? nl : stop) - start));
        const char* lineEnd = cr ? cr : nl;
        if (lineEnd) {
            size_t pos = lineEnd - data;
            // A CR as the last byte read may be the first half of a CR LF.
            if (cr && pos + 1 == end_ && !eof_) {
                const size_t crOffset = pos - begin_;
                const bool more = refill();
                // The refill moved the unread bytes to the front of the buffer.
                pos = begin_ + crOffset;
                if (more) {
                    scanFrom = pos;
                    continue;
                }
                if (failed_)
                    return false;
            }
            line.assign(buffer_.data() + begin_, pos - begin_);
            size_t after = pos + 1;
            if (cr && after < end_ && buffer_[after] == '\n')
                ++after;
            begin_ = after;
            return true;
        }
        const size_t scanned = end_ - begin_;
        if (!refill()) {
            if (begin_ == end_ || failed_)
                return false;
            line.assign(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return true;
        }
        scanFrom = begin_ + scanned;
    }
}

}  // namespace corvane
