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
