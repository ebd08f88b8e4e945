// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/IPSPatcherHandler.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "common/AsciiCase.h"
#include "common/AtomicFile.h"
#include "common/RegularFile.h"
#include "media/CSHADigest.h"

namespace corvane {

namespace {

constexpr std::string_view kHeader = "PATCH";
constexpr std::string_view kEndMarker = "EOF";
constexpr std::size_t kRecordHead = 5;  // offset and size
constexpr std::size_t kRunTail = 3;     // run length and value
constexpr std::size_t kTruncationSize = 3;

// At most limit bytes of a regular file, so a huge file is refused without reading it all.
// Nothing when it cannot be opened or read.
std::optional<std::string> readAtMost(const std::string& path, std::size_t limit) {
    const int fd = openRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    // Read straight into the result, sized from the file with one byte to spare, so the end
    // shows without growing it.
    struct stat status {};
    const std::size_t expected = ::fstat(fd, &status) == 0 && status.st_size > 0
                                     ? static_cast<std::size_t>(status.st_size)
                                     : 0;
    std::string content(std::min(limit, std::max<std::size_t>(expected + 1, 64 * 1024)), '\0');
    std::size_t filled = 0;
    bool ok = true;
    while (filled < limit) {
        if (filled == content.size())
            content.resize(std::min(limit, content.size() * 2));
        const ssize_t got = ::read(fd, content.data() + filled, content.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        ok = got >= 0;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    content.resize(filled);
    return content;
}

std::size_t bigEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::size_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void growTo(std::string& image, std::size_t end) {
    if (end > image.size())
        image.resize(end, '\0');
}

// Goes through the records after the header. Without an image it only checks that every record
// is whole and the end marker is there; with one it also applies them. A record counts as the end
// marker whenever it starts with "EOF", whatever follows.
bool walkRecords(std::string_view patch, std::string* image) {
    std::size_t at = kHeader.size();
    for (;;) {
        const std::size_t left = patch.size() - at;
        if (left < kEndMarker.size())
            return false;
        if (patch.substr(at, kEndMarker.size()) == kEndMarker)
            break;
        if (left < kRecordHead)
            return false;
        const std::size_t offset = bigEndian(patch, at, 3);
        const std::size_t size = bigEndian(patch, at + 3, 2);
        at += kRecordHead;
        if (size != 0) {
            if (patch.size() - at < size)
                return false;
            if (image) {
                growTo(*image, offset + size);
                std::memcpy(image->data() + offset, patch.data() + at, size);
            }
            at += size;
        } else {
            if (patch.size() - at < kRunTail)
                return false;
            const std::size_t run = bigEndian(patch, at, 2);
            if (image) {
                growTo(*image, offset + run);
                std::memset(image->data() + offset, static_cast<unsigned char>(patch[at + 2]), run);
            }
            at += kRunTail;
        }
    }
    at += kEndMarker.size();
    // Only a length that ends the file exactly is one; anything else after the marker is ignored.
    if (image && patch.size() - at == kTruncationSize) {
        const std::size_t length = bigEndian(patch, at, kTruncationSize);
        if (length != 0 && length < image->size())
            image->resize(length);
    }
    return true;
}

}  // namespace

IPSResult IPSPatcherHandler::Patch(std::string_view patch, std::string& image) {
    if (!patch.starts_with(kHeader))
        return IPSResult::InvalidPatch;
    // Checked whole first, so a patch cut short changes nothing.
    if (!walkRecords(patch, nullptr))
        return IPSResult::InvalidPatch;
    walkRecords(patch, &image);
    return IPSResult::Applied;
}

IPSResult IPSPatcherHandler::Apply(const std::string& patchPath, const std::string& sourcePath,
                                   const std::optional<std::string>& targetPath) {
    if (patchPath.empty())
        return IPSResult::NoPatchPath;
    if (sourcePath.empty())
        return IPSResult::NoSourcePath;

    // One byte past each limit is enough to tell a file that is too big.
    patch_ = readAtMost(patchPath, kMaxPatchSize + 1).value_or(std::string());
    if (patch_.empty())
        return IPSResult::PatchNotFound;
    if (patch_.size() < kMinPatchSize || patch_.size() > kMaxPatchSize)
        return IPSResult::InvalidPatch;

    image_ = readAtMost(sourcePath, kMaxSourceSize + 1).value_or(std::string());
    if (image_.empty())
        return IPSResult::SourceNotFound;
    if (image_.size() > kMaxSourceSize)
        return IPSResult::SourceTooBig;

    if (Patch(patch_, image_) != IPSResult::Applied)
        return IPSResult::InvalidPatch;

    const std::string& output = targetPath ? *targetPath : sourcePath;
    if (output.empty())
        return IPSResult::CannotWrite;
    AtomicFileWriter writer(output);
    if (!writer.isOpen())
        return IPSResult::CannotWrite;
    writer.write(image_);
    return writer.commit() ? IPSResult::Applied : IPSResult::CannotWrite;
}

bool IPSPatcherHandler::SourceHasSha1(const std::string& sourcePath, std::string_view expected,
                                      CancelCheck* cancel) {
    CSHADigest digest;
    // A failed hash leaves the digest text empty.
    digest.HashFile(sourcePath, cancel);
    return toLowerAscii(expected) == toLowerAscii(digest.DigestText());
}

std::string_view IPSPatcherHandler::MessageKey(IPSResult result) {
    switch (result) {
        case IPSResult::Applied:
            return "M_PATCH_APPLIED";
        case IPSResult::PatchNotFound:
            return "M_ERR_NOT_FOUND_IPS";
        case IPSResult::InvalidPatch:
            return "M_ERR_INVALID_IPS";
        case IPSResult::SourceNotFound:
            return "M_ERR_NOT_FOUND_ROM_TO_PATCH";
        case IPSResult::SourceTooBig:
            return "M_ERR_PATCH_SRC_TOO_BIG";
        case IPSResult::CannotWrite:
            return "M_ERR_CANNOT_PATCH_TARGET";
        case IPSResult::NoPatchPath:
        case IPSResult::NoSourcePath:
            break;
    }
    return {};
}

}  // namespace corvane
