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
        const char* start = buffer_.data() + scanFrom;
        const void* nl = std::memchr(start, '\n', end_ - scanFrom);
        if (nl) {
            const size_t pos = static_cast<const char*>(nl) - buffer_.data();
            size_t len = pos - begin_;
            if (len > 0 && buffer_[begin_ + len - 1] == '\r')
                --len;
            line.assign(buffer_.data() + begin_, len);
            begin_ = pos + 1;
            return true;
        }
        const size_t scanned = end_ - begin_;
        if (!refill()) {
            if (begin_ == end_)
                return false;
            size_t len = end_ - begin_;
            if (buffer_[begin_ + len - 1] == '\r')
                --len;
            line.assign(buffer_.data() + begin_, len);
            begin_ = end_;
            return true;
        }
        scanFrom = begin_ + scanned;
    }
}

}  // namespace corvane
