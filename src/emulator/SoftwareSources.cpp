// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/SoftwareSources.h"

#include "common/Path.h"
#include "common/RegularFile.h"
#include "emulator/EmulatorInstallation.h"

namespace corvane {

namespace {

constexpr const char* kOpenMsxDatabase = "softwaredb.xml";

}  // namespace

bool SoftwareSources::usesCorvane() const {
    return EmulatorInstallation(corvanePath_).isValid(true);
}

std::optional<std::vector<SoftwareDbFile>> SoftwareSources::files() const {
    if (!usesCorvane())
        return openMsxFiles();
    const EmulatorInstallation installation(corvanePath_);
    const std::optional<std::vector<std::string>> names = installation.databaseFiles();
    if (!names || names->empty())
        return std::nullopt;
    std::vector<SoftwareDbFile> files;
    for (const std::string& name : *names) {
        files.push_back(
            {joinPath(installation.databasesDirectory(), name), name, SoftwareDbShape::Corvane});
    }
    return files;
}

bool SoftwareSources::present() const {
    return usesCorvane() || !openMsxFiles().empty();
}

std::vector<SoftwareDbFile> SoftwareSources::openMsxFiles() const {
    std::vector<std::string> candidates;
    if (!homeFolder_.empty())
        candidates.push_back(joinPath(homeFolder_, ".openMSX/share/softwaredb.xml"));
    // The installation's data folder is the share folder beside the folder of its executable.
    if (!openMsxPath_.empty())
        candidates.push_back(joinPath(openMsxPath_, "../share/openmsx/softwaredb.xml"));
    std::vector<SoftwareDbFile> files;
    for (std::string& path : candidates) {
        if (isRegularFile(path))
            files.push_back({std::move(path), kOpenMsxDatabase, SoftwareDbShape::OpenMsx});
    }
    return files;
}

}  // namespace corvane
