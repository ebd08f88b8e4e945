// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/ZipWriter.h"

#include <minizip/zip.h>

#include <cstdio>

namespace corvane::demo {

namespace {

bool addMember(zipFile zip, const ZipEntry& member) {
    zip_fileinfo info{};
    info.tmz_date.tm_year = 2025;
    info.tmz_date.tm_mon = 0;
    info.tmz_date.tm_mday = 1;
    info.tmz_date.tm_hour = 12;
    if (zipOpenNewFileInZip(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                            Z_DEFLATED, Z_BEST_COMPRESSION) != ZIP_OK)
        return false;
    const bool written = zipWriteInFileInZip(zip, member.bytes.data(),
                                             static_cast<unsigned>(member.bytes.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

}  // namespace

bool writeZipArchive(const std::string& path, const std::vector<ZipEntry>& members) {
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const ZipEntry& member : members) {
        if (!addMember(zip, member)) {
            ok = false;
            break;
        }
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    if (!ok)
        std::remove(path.c_str());
    return ok;
}

}  // namespace corvane::demo
