// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/AppendJournal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "common/AtomicFile.h"
#include "common/LineReader.h"

namespace corvane {

AppendJournal::AppendJournal(const std::string& databasePath)
    : database_(databasePath), path_(databasePath + kSuffix) {}

bool AppendJournal::begin() const {
    struct stat status {};
    long long length = 0;
    if (::stat(database_.c_str(), &status) == 0)
        length = status.st_size;
    else if (errno != ENOENT)
        return false;
    return replaceFileContent(path_, std::to_string(length) + "\r\n");
}

void AppendJournal::end() const {
    ::unlink(path_.c_str());
}

bool AppendJournal::undo() const {
    LineReader reader(path_);
    if (!reader.isOpen())
        return reader.missing();
    std::string line;
    long long length = -1;
    if (reader.next(line)) {
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), length);
        if (error != std::errc() || end != line.data() + line.size())
            length = -1;
    }
    // The journal is written whole or not at all; one that says no length was not written by us.
    if (length < 0)
        return ::unlink(path_.c_str()) == 0;
    const int fd = ::open(database_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT)
        return false;
    if (fd >= 0) {
        struct stat status {};
        bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
        if (ok && status.st_size > length)
            ok = ::ftruncate(fd, length) == 0 && ::fsync(fd) == 0;
        ::close(fd);
        if (!ok)
            return false;
    }
    return ::unlink(path_.c_str()) == 0 || errno == ENOENT;
}

}  // namespace corvane
