// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ZipFixture.h"

#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <zlib.h>

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

void writeInflatingZip(const std::string& path, const std::string& name, std::uint64_t size) {
    ASSERT_EQ(size % kInflatingPiece, 0u);
    // One piece is deflated once, flushed so that it stands alone; the member repeats it.
    const std::string piece(kInflatingPiece, '\0');
    z_stream stream{};
    ASSERT_EQ(
        deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY),
        Z_OK);
    std::string deflated(kInflatingPiece, '\0');
    auto squeeze = [&](std::size_t inputSize, int flush) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        stream.avail_in = static_cast<uInt>(inputSize);
        stream.next_out = reinterpret_cast<Bytef*>(deflated.data());
        stream.avail_out = static_cast<uInt>(deflated.size());
        deflate(&stream, flush);
        return deflated.substr(0, deflated.size() - stream.avail_out);
    };
    const std::string block = squeeze(piece.size(), Z_FULL_FLUSH);
    const std::string end = squeeze(0, Z_FINISH);
    deflateEnd(&stream);

    uLong crc = crc32(0, nullptr, 0);
    for (std::uint64_t done = 0; done < size; done += piece.size())
        crc = crc32(crc, reinterpret_cast<const Bytef*>(piece.data()), kInflatingPiece);

    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr) << path;
    zip_fileinfo info{};
    ASSERT_EQ(zipOpenNewFileInZip2_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_BEST_COMPRESSION, 1, size >= 0xFFFFFFFFu),
              ZIP_OK);
    for (std::uint64_t done = 0; done < size; done += piece.size())
        ASSERT_EQ(zipWriteInFileInZip(zip, block.data(), static_cast<unsigned>(block.size())),
                  ZIP_OK);
    ASSERT_EQ(zipWriteInFileInZip(zip, end.data(), static_cast<unsigned>(end.size())), ZIP_OK);
    ASSERT_EQ(zipCloseFileInZipRaw64(zip, size, crc), ZIP_OK);
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

std::string patternBytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<char>((i * 131 + (i >> 8) * 7 + 11) & 0xFF);
    return bytes;
}

}  // namespace corvane::test
