// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaHash.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <tuple>

#include "common/AsciiCase.h"
#include "media/CSHADigest.h"
#include "media/MediumSize.h"
#include "media/ZipFixture.h"
#include "support/TempDir.h"

using namespace corvane;
using corvane::test::patternBytes;

namespace {

std::string upperSha1(const std::string& bytes) {
    CSHADigest digest;
    digest.Update(bytes.data(), bytes.size());
    digest.Final();
    return digest.DigestText();
}

#if !defined(__SANITIZE_ADDRESS__)
// Caps the address space a little above what the process already uses.
void limitAddressSpace(std::uint64_t headroom) {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    statm >> pages;
    const auto bytes = pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) + headroom;
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
}
#endif

class MediaHashTest : public testing::Test {
protected:
    void SetUp() override {
        zip = dir.file("games.zip");
        ASSERT_NO_FATAL_FAILURE(
            test::writeZip(zip, {{"Knightmare.ROM", rom}, {"Disks/Side B.dsk", disk, true}}));
    }

    test::TempDir dir;
    const std::string rom = patternBytes(150000);
    const std::string disk = patternBytes(737);
    std::string zip;
};

}  // namespace

TEST_F(MediaHashTest, ZipMembersByNameOrFirst) {
    EXPECT_EQ(HashZipMember(zip, ""), upperSha1(rom));
    EXPECT_EQ(HashZipMember(zip, "knightmare.rom"), upperSha1(rom));
    EXPECT_EQ(HashZipMember(zip, "DISKS/SIDE B.DSK"), upperSha1(disk));
    EXPECT_EQ(HashZipMember(zip, "missing.rom"), "");
    EXPECT_EQ(HashZipMember(dir.file("missing.zip"), ""), "");
    EXPECT_EQ(MediumSha1(zip, "disks/side b.dsk"), toLowerAscii(upperSha1(disk)));
    EXPECT_EQ(MediumSha1(dir.write("loose.dsk", disk), "ignored"), toLowerAscii(upperSha1(disk)));
    EXPECT_EQ(MediumSha1(dir.file("missing.dsk"), ""), "");
}

TEST_F(MediaHashTest, DamagedArchivesGiveEmptyText) {
    const std::string whole = test::readFile(zip);
    EXPECT_EQ(HashZipMember(dir.write("noise.zip", patternBytes(4096)), ""), "");
    EXPECT_EQ(HashZipMember(dir.write("half.zip", whole.substr(0, whole.size() / 2)), ""), "");

    // A stored member with one changed byte fails its CRC.
    std::string flipped = whole;
    const std::size_t at = flipped.rfind(disk.substr(0, 64));
    ASSERT_NE(at, std::string::npos);
    flipped[at + 100] = static_cast<char>(flipped[at + 100] ^ 0x01);
    EXPECT_EQ(HashZipMember(dir.write("flipped.zip", flipped), "Disks/Side B.dsk"), "");
}

TEST_F(MediaHashTest, ForgedMemberSizes) {
    const std::string whole = test::readFile(zip);
    // The uncompressed size sits at offset 22 of the local header, 24 of the central one.
    auto forged = [&](std::uint32_t local, std::uint32_t central, const char* name) {
        std::string bytes = whole;
        for (auto [signature, offset, value] :
             {std::tuple{"PK\3\4", 22, local}, std::tuple{"PK\1\2", 24, central}}) {
            const std::size_t at = bytes.find(signature) + offset;
            for (int i = 0; value && i < 4; ++i)
                bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return dir.write(name, bytes);
    };
    const std::string central = forged(0, 0xFFFFFFF0u, "central.zip");
    EXPECT_EQ(MainMediumSize(central, ""), "4194303 KB");  // the claim is only reported
    EXPECT_EQ(HashZipMember(central, ""), "");
    EXPECT_EQ(HashZipMember(forged(1000, 1000, "short.zip"), ""), "");

    // Both headers claim almost 4 GiB for 150 KB of data: the data ends early, nothing of the
    // claimed size is ever allocated.
    const std::string huge = forged(0xFFFFFFF0u, 0xFFFFFFF0u, "huge.zip");
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's shadow memory does not fit under an address-space cap.
    EXPECT_EQ(HashZipMember(huge, ""), "");
#else
    EXPECT_EXIT(
        {
            limitAddressSpace(std::uint64_t{512} << 20);
            std::_Exit(HashZipMember(huge, "").empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
#endif
}
