// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/ZipArchive.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;

namespace {

std::string readAll(ZipArchive& archive, bool* ok) {
    std::string bytes;
    *ok = archive.readCurrent([&bytes](const std::uint8_t* data, std::size_t count) {
        bytes.append(reinterpret_cast<const char*>(data), count);
        return true;
    });
    return bytes;
}

}  // namespace

TEST(ZipArchiveTest, WalksLocatesAndStreamsMembers) {
    test::TempDir dir;
    const std::string large = test::patternBytes(300000);  // several read chunks
    const std::string path = dir.file("set.zip");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(
        path, {{"First.rom", "one"}, {"Sub/Large.dsk", large}, {"empty.cas", "", true}}));

    ZipArchive archive;
    ASSERT_TRUE(archive.open(path));
    std::vector<std::pair<std::string, std::uint64_t>> seen;
    for (bool more = archive.goToFirst(); more; more = archive.goToNext())
        seen.emplace_back(archive.currentInfo()->name, archive.currentInfo()->uncompressedSize);
    const std::vector<std::pair<std::string, std::uint64_t>> expected = {
        {"First.rom", 3}, {"Sub/Large.dsk", 300000}, {"empty.cas", 0}};
    EXPECT_EQ(seen, expected);

    bool ok = false;
    ASSERT_TRUE(archive.locate("sub/LARGE.DSK"));
    EXPECT_TRUE(readAll(archive, &ok) == large);
    EXPECT_TRUE(ok);
    ASSERT_TRUE(archive.locate("EMPTY.CAS"));
    EXPECT_EQ(readAll(archive, &ok), "");
    EXPECT_TRUE(ok);
    // A failed lookup leaves the archive usable.
    EXPECT_FALSE(archive.locate("Large.dsk"));
    ASSERT_TRUE(archive.goToFirst());
    EXPECT_EQ(readAll(archive, &ok), "one");
    EXPECT_TRUE(ok);
    // A sink that stops makes a failed read.
    ASSERT_TRUE(archive.locate("Sub/Large.dsk"));
    EXPECT_FALSE(archive.readCurrent([](const std::uint8_t*, std::size_t) { return false; }));

    archive.close();
    EXPECT_FALSE(archive.goToFirst());
    EXPECT_FALSE(archive.currentInfo());
    readAll(archive, &ok);
    EXPECT_FALSE(ok);
    // minizip refuses an archive that is only its end record; either way there is no member.
    const std::string empty = dir.file("empty.zip");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(empty, {}));
    EXPECT_FALSE(archive.open(empty) && archive.goToFirst());
}

TEST(ZipArchiveTest, MovedArchivesReadOnAndDataPastTheEndFails) {
    test::TempDir dir;
    // Bytes deflate cannot shrink: the compressed data spans many reads.
    std::string noise(200000, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : noise) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    const std::string path = dir.file("noise.zip");
    ASSERT_NO_FATAL_FAILURE(test::writeZip(path, {{"Noise.rom", noise}, {"Small.rom", "small"}}));

    ZipArchive first;
    ASSERT_TRUE(first.open(path));
    ZipArchive moved(std::move(first));
    bool ok = false;
    ASSERT_TRUE(moved.goToFirst());
    EXPECT_TRUE(readAll(moved, &ok) == noise);
    EXPECT_TRUE(ok);
    ZipArchive other;
    ASSERT_TRUE(other.open(path));
    other = std::move(moved);
    ASSERT_TRUE(other.goToNext());
    EXPECT_EQ(readAll(other, &ok), "small");
    EXPECT_TRUE(ok);
    // A moved-from archive is closed, and can open again.
    EXPECT_FALSE(moved.goToFirst());
    ASSERT_TRUE(moved.open(path) && moved.locate("small.rom"));
    EXPECT_EQ(readAll(moved, &ok), "small");
    EXPECT_TRUE(ok);

    // The last member's compressed size, in both headers, claims more than the file holds.
    std::string bytes = test::readFile(path);
    const std::size_t local = bytes.rfind("PK\3\4");
    const std::size_t central = bytes.rfind("PK\1\2");
    for (const std::size_t at : {local + 18, central + 20}) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>(0x7FFFFFF0u >> (8 * i));
    }
    ASSERT_TRUE(other.open(dir.write("past.zip", bytes)) && other.locate("Small.rom"));
    readAll(other, &ok);
    EXPECT_FALSE(ok);
    ASSERT_TRUE(other.goToFirst());
    EXPECT_TRUE(readAll(other, &ok) == noise);
    EXPECT_TRUE(ok);
}
