// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/MediaWalk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "common/Progress.h"
#include "model/Game.h"

namespace corvane {

bool classifyMedium(const std::string& name, std::uint64_t size, const FillMedia& media,
                    FoundMedium::Kind& kind) {
    using Kind = FoundMedium::Kind;
    if (media.rom && IsRomImage(name))
        kind = Kind::Rom;
    else if (media.disk && IsDiskImage(name))
        kind = size <= kLargestDiskImage ? Kind::Disk : Kind::HardDisk;
    else if (media.tape && IsTapeImage(name))
        kind = Kind::Tape;
    else if (media.zip && IsZipFile(name))
        kind = Kind::Zip;
    else
        return false;
    return true;
}

namespace {

// A name that would be looked at if it were a readable regular file.
bool namesMedium(const std::string& name, const FillMedia& media) {
    FoundMedium::Kind kind{};
    return classifyMedium(name, 0, media, kind);
}

// Asked from the folder that holds it, so that an entry whose whole path is longer than the
// system takes can still be told to be a folder.
bool isFolderIn(const std::string& directory, const std::string& name) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool folder = ::fstatat(fd, name.c_str(), &status, 0) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    return folder;
}

}  // namespace

MediaWalk::MediaWalk(const FillMedia& media, bool subdirectories, Progress& progress)
    : media_(media), subdirectories_(subdirectories), progress_(progress) {}

void MediaWalk::add(const std::string& path) {
    if (stopped_)
        return;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        ++notRead_;
        return;
    }
    if (S_ISDIR(status.st_mode)) {
        scan(path);
        return;
    }
    const std::string name(lastComponent(path));
    if (!S_ISREG(status.st_mode)) {
        if (namesMedium(name, media_))
            ++notRead_;
        return;
    }
    consider(path, name, std::string(parentPath(path)), static_cast<std::uint64_t>(status.st_size));
}

void MediaWalk::scan(const std::string& directory) {
    if (stopped_ || (stopped_ = progress_.cancelled()))
        return;
    struct stat status {};
    if (::stat(directory.c_str(), &status) != 0) {
        ++notRead_;
        return;
    }
    if (!visited_.emplace(status.st_dev, status.st_ino).second)
        return;
    progress_.setStatus(directory);
    const auto names = listDirectory(directory);
    if (!names) {
        ++notRead_;
        return;
    }
    for (const std::string& name : *names) {
        if (stopped_)
            return;
        const std::string path = joinPath(directory, name);
        if (::stat(path.c_str(), &status) != 0) {
            // A dangling link or a file gone since the listing, or a path too long to be used:
            // a folder there would have been scanned.
            const bool tooLong = errno == ENAMETOOLONG;
            if (namesMedium(name, media_) ||
                (tooLong && subdirectories_ && isFolderIn(directory, name)))
                ++notRead_;
            continue;
        }
        if (S_ISDIR(status.st_mode)) {
            if (subdirectories_) {
                scan(path);
                if (!stopped_)
                    progress_.setStatus(directory);
            }
            continue;
        }
        if (!S_ISREG(status.st_mode)) {
            // Named pipes and devices would block or fail a reader.
            if (namesMedium(name, media_))
                ++notRead_;
            continue;
        }
        consider(path, name, directory, static_cast<std::uint64_t>(status.st_size));
    }
}

void MediaWalk::consider(const std::string& path, const std::string& name,
                         const std::string& directory, std::uint64_t size) {
    FoundMedium::Kind kind{};
    if (!classifyMedium(name, size, media_, kind))
        return;
    if (!fitsDatabaseLine(path)) {
        ++notRead_;
        return;
    }
    found_.push_back({path, name, directory, kind});
}

}  // namespace corvane
