// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "common/RegularFile.h"

namespace corvane {

namespace {

constexpr mode_t kPermissionBits = 07777;
constexpr int kMaxLinkHops = 40;
// Whole lines are gathered up to this size before they go out in one write.
constexpr size_t kAppendChunk = 64 * 1024;

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The file a chain of symbolic links ends at, even when it does not exist yet; path itself when
// it is no link. A loop is returned unresolved, as a link, which no writer accepts.
std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return current;
        std::string target(static_cast<size_t>(status.st_size > 0 ? status.st_size : 255) + 1,
                           '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) >= target.size())
            return current;
        target.resize(static_cast<size_t>(length));
        current = target.front() == '/' ? target : folderOf(current) + "/" + target;
    }
    return path;
}

// Makes a rename or a new name in the folder durable. A failure here cannot be undone any more
// and the file is already whole, so it is not reported.
void syncFolder(const std::string& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the no-replace rename still refuse to link over an existing name.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    ::unlink(from.c_str());
    return true;
}

namespace {

bool writeWhole(int fd, const std::string& bytes) {
    ssize_t written;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    // A short write would leave part of a line: it counts as a failure.
    return written == static_cast<ssize_t>(bytes.size());
}

// Puts a file back as it was before a failed append. Should even that fail there is nothing
// better to do, so the answer may be ignored.
bool rollBack(int fd, const std::string& path, bool created, off_t oldSize) {
    return created ? ::unlink(path.c_str()) == 0 : ::ftruncate(fd, oldSize) == 0;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path, Publish publish, Temporary temporary)
    : publish_(publish) {
    target_ = publish == Publish::Replace ? followLinks(path) : std::move(path);
    if (temporary == Temporary::Private) {
        static std::atomic<unsigned> serial{0};
        tmpPath_ =
            target_ + "." + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".tmp";
    } else {
        tmpPath_ = target_ + ".tmp";
    }
    open();
}

AtomicFileWriter::~AtomicFileWriter() {
    abandon();
}

void AtomicFileWriter::open() {
    struct stat original {};
    const bool exists = ::lstat(target_.c_str(), &original) == 0;
    if (exists && (publish_ == Publish::CreateNew || !S_ISREG(original.st_mode)))
        return;
    if (!exists && errno != ENOENT)
        return;
    // A temporary file left by an earlier run is replaced, never written through.
    ::unlink(tmpPath_.c_str());
    const int fd = ::open(tmpPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    if (fd < 0)
        return;
    // Held until the descriptor closes, by commit, abandon or the process's end.
    ::flock(fd, LOCK_EX | LOCK_NB);
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        ::close(fd);
        ::unlink(tmpPath_.c_str());
        return;
    }
    if (exists)
        setPermissions(original.st_mode);
}

void AtomicFileWriter::abandon() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        ::unlink(tmpPath_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (!file_ || failed_ || bytes.empty())
        return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        failed_ = true;
}

void AtomicFileWriter::writeLine(std::string_view line) {
    write(line);
    write("\r\n");
}

void AtomicFileWriter::setPermissions(unsigned mode) {
    if (!file_)
        return;
    const mode_t wanted = static_cast<mode_t>(mode) & kPermissionBits;
    struct stat created {};
    // Where the bits are right already nothing is changed, so file systems that cannot change
    // them (which show every file alike) are no obstacle.
    if (::fstat(fileno(file_), &created) != 0 ||
        ((created.st_mode & kPermissionBits) != wanted && ::fchmod(fileno(file_), wanted) != 0))
        failed_ = true;
}

bool AtomicFileWriter::commit() {
    if (!file_)
        return false;
    bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(fileno(file_)) == 0;
    ok = (std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    if (ok) {
        ok = publish_ == Publish::Replace ? std::rename(tmpPath_.c_str(), target_.c_str()) == 0
                                          : renameWithoutReplacing(tmpPath_, target_);
    }
    if (!ok) {
        ::unlink(tmpPath_.c_str());
        return false;
    }
    syncFolder(target_);
    return true;
}

bool removeIfAbandoned(const std::string& temporaryPath) {
    const int fd = ::open(temporaryPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool abandoned =
        ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = abandoned && ::unlink(temporaryPath.c_str()) == 0;
    ::close(fd);
    return removed;
}

bool replaceFileContent(const std::string& path, std::string_view content) {
    AtomicFileWriter writer(path);
    writer.write(content);
    return writer.commit();
}

bool copyRegularFile(const std::string& source, const std::string& target,
                     AtomicFileWriter::Publish publish) {
    const int from = openRegularFile(source);
    if (from < 0)
        return false;
    struct stat original {};
    bool ok = ::fstat(from, &original) == 0;
    if (ok) {
        struct stat existing {};
        const bool replaces =
            publish == AtomicFileWriter::Publish::Replace && ::stat(target.c_str(), &existing) == 0;
        AtomicFileWriter out(target, publish);
        if (!replaces)
            out.setPermissions(original.st_mode);
        std::vector<char> buffer(64 * 1024);
        for (;;) {
            const ssize_t got = ::read(from, buffer.data(), buffer.size());
            if (got < 0 && errno == EINTR)
                continue;
            ok = got >= 0;
            if (got <= 0)
                break;
            out.write({buffer.data(), static_cast<size_t>(got)});
        }
        ok = ok && out.commit();
    }
    ::close(from);
    return ok;
}

bool appendLines(const std::string& path, std::span<const std::string> lines) {
    const std::string target = followLinks(path);
    // Without O_NONBLOCK, opening a pipe waits for its other end. Reading is needed to see how
    // the last line ends.
    bool created = false;
    int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC,
                    S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
        created = fd >= 0;
    }
    if (fd < 0)
        return false;
    struct stat status {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    const off_t oldSize = status.st_size;

    bool ok = true;
    std::string chunk;
    if (oldSize > 0 && !lines.empty()) {
        char last = 0;
        ok = ::pread(fd, &last, 1, oldSize - 1) == 1;
        // A lone CR becomes CR LF; a last line without any line end gets one.
        if (last == '\r')
            chunk = "\n";
        else if (last != '\n')
            chunk = "\r\n";
    }
    ok = ok && ::lseek(fd, oldSize, SEEK_SET) == oldSize;
    for (size_t i = 0; ok && i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!chunk.empty() && chunk.size() + line.size() + 2 > kAppendChunk) {
            ok = writeWhole(fd, chunk);
            chunk.clear();
        }
        chunk += line;
        chunk += "\r\n";
    }
    if (ok && !chunk.empty())
        ok = writeWhole(fd, chunk);
    if (ok && !lines.empty())
        ok = ::fsync(fd) == 0;
    if (!ok)
        rollBack(fd, target, created, oldSize);
    ::close(fd);
    if (ok && created)
        syncFolder(target);
    return ok;
}

}  // namespace corvane
