// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediumSize.h"

#include <cstdint>
#include <filesystem>
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
    std::error_code ec;
    const auto size = file.empty() ? 0 : std::filesystem::file_size(file, ec);
    // A file that cannot be found has no size; a folder has none either.
    if (file.empty() || ec)
        return {};
    std::optional<std::uint64_t> bytes = size;
    if (IsZipFile(file))
        bytes = zipMemberSize(file, entry);
    if (!bytes)
        return {};
    return std::to_string(*bytes / 1024) + " KB";
}

}  // namespace corvane
