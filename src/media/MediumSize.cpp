// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediumSize.h"

#include <sys/stat.h>

#include <cstdint>
#include <optional>

#include "media/ZipArchive.h"
#include "model/Game.h"

namespace corvane {

namespace {

std::optional<std::uint64_t> zipMemberSize(const std::string& file, const std::string& entry) {
    ZipArchive archive;
    if (!archive.openMember(file, entry))
        return std::nullopt;
    const auto info = archive.currentInfo();
    if (!info)
        return std::nullopt;
    return info->uncompressedSize;
}

}  // namespace

std::string MainMediumSize(const std::string& file, const std::string& entry) {
    struct stat status {};
    if (file.empty() || ::stat(file.c_str(), &status) != 0)
        return {};
    std::optional<std::uint64_t> bytes = static_cast<std::uint64_t>(status.st_size);
    if (IsZipFile(file))
        bytes = zipMemberSize(file, entry);
    if (!bytes)
        return {};
    return std::to_string(*bytes / 1024) + " KB";
}

}  // namespace corvane
