// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/CaptureFiles.h"

#include "common/AsciiCase.h"
#include "common/DirectoryListing.h"
#include "common/Path.h"
#include "common/RegularFile.h"
#include "emulator/EmulatorInstallation.h"
#include "model/Game.h"

namespace corvane {

namespace {

bool isCaptureName(std::string_view name, std::string_view baseName, std::string_view extension,
                   size_t digits) {
    if (name.size() != baseName.size() + 1 + digits + 1 + extension.size())
        return false;
    if (!equalsIgnoreCase(name.substr(0, baseName.size()), baseName) ||
        name[baseName.size()] != '_')
        return false;
    const std::string_view number = name.substr(baseName.size() + 1, digits);
    for (const char c : number) {
        if (c < '0' || c > '9')
            return false;
    }
    const std::string_view suffix = name.substr(baseName.size() + 1 + digits);
    return suffix[0] == '.' && equalsIgnoreCase(suffix.substr(1), extension);
}

}  // namespace

CaptureCount countCaptures(const std::string& directory, std::string_view baseName,
                           std::string_view extension, size_t digits) {
    CaptureCount result;
    if (baseName.empty())
        return result;
    const std::optional<std::vector<std::string>> names = listDirectory(directory);
    if (!names)
        return result;
    for (const std::string& name : *names) {
        if (!isCaptureName(name, baseName, extension, digits))
            continue;
        // Only the few names that match are looked at on disk: a folder may hold thousands.
        const std::string path = joinPath(directory, name);
        if (!isRegularFile(path))
            continue;
        if (result.count++ == 0)
            result.firstFile = path;
    }
    return result;
}

std::array<CaptureCount, kCaptureKindCount> profileCaptures(const EmulatorInstallation& emulator,
                                                            const Game& profile) {
    std::array<CaptureCount, kCaptureKindCount> counts{};
    if (emulator.path().empty())
        return counts;
    const std::string baseName = profile.CaptureBaseName();
    for (size_t i = 0; i < kCaptureFolders.size(); ++i) {
        const CaptureFolder& folder = kCaptureFolders[i];
        counts[i] = countCaptures(joinPath(emulator.path(), folder.directory), baseName,
                                  folder.extension, folder.digits);
    }
    return counts;
}

}  // namespace corvane
