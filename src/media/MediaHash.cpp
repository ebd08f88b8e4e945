// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaHash.h"

#include "common/AsciiCase.h"
#include "media/CSHADigest.h"
#include "media/CancelCheck.h"
#include "media/ZipArchive.h"
#include "model/Game.h"

namespace corvane {

std::string HashZipMember(const std::string& zipPath, const std::string& memberName,
                          CancelCheck* cancel) {
    ZipArchive archive;
    if (!archive.openMember(zipPath, memberName))
        return {};
    // Streamed: the size the archive declares is never trusted for an allocation.
    CSHADigest digest;
    const bool read =
        archive.readCurrent([&digest, cancel](const std::uint8_t* data, std::size_t count) {
            return (cancel == nullptr || cancel->keepGoing(count)) && digest.Update(data, count);
        });
    if (!read)
        return {};
    digest.Final();
    return digest.DigestText();
}

std::string MediumSha1(const std::string& file, const std::string& entry, CancelCheck* cancel) {
    if (file.empty())
        return {};
    if (IsZipFile(file))
        return toLowerAscii(HashZipMember(file, entry, cancel));
    CSHADigest digest;
    if (!digest.HashFile(file, cancel))
        return {};
    return toLowerAscii(digest.DigestText());
}

}  // namespace corvane
