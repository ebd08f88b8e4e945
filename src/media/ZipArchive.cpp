// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ZipArchive.h"

#include <minizip/unzip.h>

#include <unistd.h>

#include <cstdio>
#include <vector>

#include "common/RegularFile.h"

namespace corvane {

namespace {

// minizip's own file functions with an opening that refuses anything but a regular file, so an
// archive name that is a named pipe fails instead of waiting for a writer.
voidpf ZCALLBACK openRegularForReading(voidpf, const void* filename, int mode) {
    if (!filename || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    const int fd = openRegularFile(static_cast<const char*>(filename));
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file)
        ::close(fd);
    return file;
}

// Member names compared without regard to letter case.
constexpr int kCaseInsensitive = 2;
constexpr unsigned kReadChunk = 64 * 1024;

}  // namespace

void ZipArchive::Closer::operator()(void* handle) const {
    unzClose(handle);
}

bool ZipArchive::open(const std::string& path) {
    zlib_filefunc64_def functions{};
    fill_fopen64_filefunc(&functions);
    functions.zopen64_file = openRegularForReading;
    handle_.reset(unzOpen2_64(path.c_str(), &functions));
    return isOpen();
}

bool ZipArchive::locate(const std::string& name) {
    return isOpen() && unzLocateFile(handle_.get(), name.c_str(), kCaseInsensitive) == UNZ_OK;
}

bool ZipArchive::goToFirst() {
    return isOpen() && unzGoToFirstFile(handle_.get()) == UNZ_OK;
}

bool ZipArchive::openMember(const std::string& path, const std::string& member) {
    return open(path) && (member.empty() ? goToFirst() : locate(member));
}

bool ZipArchive::goToNext() {
    return isOpen() && unzGoToNextFile(handle_.get()) == UNZ_OK;
}

std::optional<ZipArchive::MemberInfo> ZipArchive::currentInfo() const {
    if (!isOpen())
        return std::nullopt;
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(handle_.get(), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return std::nullopt;
    // The name length field is 16 bits, so this buffer is bounded whatever the archive says.
    std::string name(info.size_filename + 1, '\0');
    if (unzGetCurrentFileInfo64(handle_.get(), &info, name.data(), name.size(), nullptr, 0, nullptr,
                                0) != UNZ_OK)
        return std::nullopt;
    name.resize(info.size_filename);
    return MemberInfo{std::move(name), info.uncompressed_size};
}

bool ZipArchive::readCurrent(const Sink& sink) {
    const std::optional<MemberInfo> info = currentInfo();
    if (!info || unzOpenCurrentFile(handle_.get()) != UNZ_OK)
        return false;

    std::vector<std::uint8_t> chunk(kReadChunk);
    std::uint64_t total = 0;
    bool ok = true;
    for (;;) {
        const int got = unzReadCurrentFile(handle_.get(), chunk.data(), kReadChunk);
        if (got == 0)
            break;
        if (got < 0 || !sink(chunk.data(), static_cast<std::size_t>(got))) {
            ok = false;
            break;
        }
        total += static_cast<std::uint64_t>(got);
    }
    // A member whose data ends before its declared size is a failed read.
    if (ok && total != info->uncompressedSize)
        ok = false;
    // The stored CRC is not held against the data: a medium is identified by the bytes it holds,
    // and a damaged one then simply matches no known dump instead of vanishing.
    const int closed = unzCloseCurrentFile(handle_.get());
    return ok && (closed == UNZ_OK || closed == UNZ_CRCERROR);
}

}  // namespace corvane
