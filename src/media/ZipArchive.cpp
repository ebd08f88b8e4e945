// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ZipArchive.h"

#include <minizip/unzip.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "common/AsciiCase.h"
#include "common/RegularFile.h"

namespace corvane {

namespace {

// minizip's own file functions with an opening that refuses anything but a regular file, so an
// archive name that is a named pipe fails instead of waiting for a writer. The descriptor is
// recorded where opaque points.
voidpf ZCALLBACK openRegularForReading(voidpf opaque, const void* filename, int mode) {
    if (!filename || (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ)
        return nullptr;
    const int fd = openRegularFile(static_cast<const char*>(filename));
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file)
        ::close(fd);
    else
        *static_cast<int*>(opaque) = fd;
    return file;
}

constexpr unsigned kReadChunk = 64 * 1024;
// How much compressed data minizip's reader takes at a time. Reading in the same pieces makes a
// member whose data runs past the end of the file fail at the same point as there.
constexpr std::size_t kInputChunk = 16384;

// count bytes at offset, or false.
bool readFully(int fd, std::uint8_t* data, std::size_t count, std::uint64_t offset) {
    while (count > 0) {
        const ssize_t got = ::pread(fd, data, count, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        count -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

// Streams a deflated member whose compressed data starts at offset, delivering what minizip's
// reader delivers and failing where it fails: at most the declared size, in chunks of
// kReadChunk bytes. It skips what minizip adds to every read: a CRC nobody checks here, and a
// seek and a buffered read through the C library.
bool inflateMember(int fd, std::uint64_t offset, std::uint64_t compressedLeft,
                   std::uint64_t sizeLeft, const ZipArchive::Sink& sink) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    struct End {
        z_stream& stream;
        ~End() { inflateEnd(&stream); }
    } end{stream};
    std::vector<std::uint8_t> input(kInputChunk);
    std::vector<std::uint8_t> output(kReadChunk);
    for (;;) {
        stream.next_out = output.data();
        stream.avail_out = static_cast<uInt>(std::min<std::uint64_t>(kReadChunk, sizeLeft));
        int status = Z_OK;
        while (stream.avail_out > 0) {
            if (stream.avail_in == 0 && compressedLeft > 0) {
                const auto want =
                    static_cast<std::size_t>(std::min<std::uint64_t>(kInputChunk, compressedLeft));
                if (!readFully(fd, input.data(), want, offset))
                    return false;
                offset += want;
                compressedLeft -= want;
                stream.next_in = input.data();
                stream.avail_in = static_cast<uInt>(want);
            }
            status = inflate(&stream, Z_SYNC_FLUSH);
            if (status >= 0 && stream.msg != nullptr)
                status = Z_DATA_ERROR;
            if (status != Z_OK)
                break;
        }
        if (status != Z_OK && status != Z_STREAM_END)
            return false;
        const auto produced = static_cast<std::size_t>(stream.next_out - output.data());
        // The end of the data: whole when it is as long as declared.
        if (produced == 0)
            return sizeLeft == 0;
        if (!sink(output.data(), produced))
            return false;
        sizeLeft -= produced;
    }
}

}  // namespace

void ZipArchive::Closer::operator()(void* handle) const {
    unzClose(handle);
}

bool ZipArchive::open(const std::string& path) {
    close();
    descriptor_ = -1;
    zlib_filefunc64_def functions{};
    fill_fopen64_filefunc(&functions);
    functions.zopen64_file = openRegularForReading;
    functions.opaque = &descriptor_;
    handle_.reset(unzOpen2_64(path.c_str(), &functions));
    return isOpen();
}

bool ZipArchive::locate(const std::string& name) {
    if (!isOpen())
        return false;
    // minizip's own lookup cannot take names of 256 bytes or more, and ignoring letter case it
    // takes game.rom for GAME.rom; the exact name wins, and letter case is ignored only when no
    // member has it.
    void* zip = handle_.get();
    unz64_file_pos before{};
    const bool hadCurrent = unzGetFilePos64(zip, &before) == UNZ_OK;
    std::optional<unz64_file_pos> folded;
    for (bool more = goToFirst(); more; more = goToNext()) {
        const std::optional<MemberInfo> info = currentInfo();
        if (!info)
            break;
        if (info->name == name)
            return true;
        unz64_file_pos here{};
        if (!folded && equalsIgnoreCase(info->name, name) && unzGetFilePos64(zip, &here) == UNZ_OK)
            folded = here;
    }
    if (folded && unzGoToFilePos64(zip, &*folded) == UNZ_OK)
        return true;
    // A failed lookup leaves the archive where it was.
    if (hadCurrent)
        unzGoToFilePos64(zip, &before);
    return false;
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
    // A member whose name cannot be read is not read either.
    if (!currentInfo())
        return false;
    unz_file_info64 details{};
    if (unzGetCurrentFileInfo64(handle_.get(), &details, nullptr, 0, nullptr, 0, nullptr, 0) !=
        UNZ_OK)
        return false;
    // Deflated members without encryption, nearly all of them, are inflated here; minizip's
    // raw opening still checks the member's local header and finds where its data starts.
    if (details.compression_method == Z_DEFLATED && (details.flag & 1) == 0) {
        int method = 0;
        int level = 0;
        if (unzOpenCurrentFile2(handle_.get(), &method, &level, 1) != UNZ_OK)
            return false;
        const bool ok = inflateMember(descriptor_, unzGetCurrentFileZStreamPos64(handle_.get()),
                                      details.compressed_size, details.uncompressed_size, sink);
        unzCloseCurrentFile(handle_.get());
        return ok;
    }
    if (unzOpenCurrentFile(handle_.get()) != UNZ_OK)
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
    if (ok && total != details.uncompressed_size)
        ok = false;
    // The stored CRC is not held against the data: a medium is identified by the bytes it holds,
    // and a damaged one then simply matches no known dump instead of vanishing.
    const int closed = unzCloseCurrentFile(handle_.get());
    return ok && (closed == UNZ_OK || closed == UNZ_CRCERROR);
}

}  // namespace corvane
