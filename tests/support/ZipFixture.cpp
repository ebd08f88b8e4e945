// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ZipFixture.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>

namespace corvane::test {

void writeZip(const std::string& path, const std::vector<ZipMember>& members) {
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr) << path;
    for (const ZipMember& member : members) {
        zip_fileinfo info{};
        ASSERT_EQ(zipOpenNewFileInZip64(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0,
                                        nullptr, member.stored ? 0 : Z_DEFLATED,
                                        member.stored ? 0 : Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, member.bytes.data(),
                                      static_cast<unsigned>(member.bytes.size())),
                  ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

std::string patternBytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 131 + (i >> 8) * 7 + 11) & 0xFF);
    return bytes;
}

}  // namespace corvane::test
