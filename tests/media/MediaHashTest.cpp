// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaHash.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/AsciiCase.h"
#include "media/CSHADigest.h"
#include "media/MediumSize.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

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

// Writes a 32-bit little-endian value into the first header with this signature.
void patchHeader(std::string& bytes, const char* signature, std::size_t offset,
                 std::uint32_t value) {
    const std::size_t at = bytes.find(signature) + offset;
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Header offsets of the first member's CRC and uncompressed size.
constexpr const char* kLocal = "PK\3\4";
constexpr const char* kCentral = "PK\1\2";
constexpr std::size_t kLocalCrc = 14, kCentralCrc = 16, kLocalSize = 22, kCentralSize = 24;

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
}

TEST_F(MediaHashTest, AMemberThatFailsItsCrcIsHashedAsRead) {
    const std::string whole = test::readFile(zip);
    // A stored member with one changed byte: the digest is that of the bytes it now holds.
    std::string flipped = whole;
    const std::size_t at = flipped.rfind(disk.substr(0, 64));
    ASSERT_NE(at, std::string::npos);
    flipped[at + 100] = static_cast<char>(flipped[at + 100] ^ 0x01);
    std::string changedDisk = disk;
    changedDisk[100] = static_cast<char>(changedDisk[100] ^ 0x01);
    EXPECT_EQ(HashZipMember(dir.write("flipped.zip", flipped), "Disks/Side B.dsk"),
              upperSha1(changedDisk));

    // Intact data under a wrong stored CRC (both headers agree on it).
    std::string wrongCrc = whole;
    patchHeader(wrongCrc, kLocal, kLocalCrc, 0x12345678);
    patchHeader(wrongCrc, kCentral, kCentralCrc, 0x12345678);
    const std::string wrongCrcZip = dir.write("crc.zip", wrongCrc);
    EXPECT_EQ(HashZipMember(wrongCrcZip, "knightmare.rom"), upperSha1(rom));
    EXPECT_EQ(MediumSha1(wrongCrcZip, ""), toLowerAscii(upperSha1(rom)));

    // Data that ends before the declared size is a truncated member: no digest.
    const auto longer = static_cast<std::uint32_t>(rom.size() + 1);
    patchHeader(wrongCrc, kLocal, kLocalSize, longer);
    patchHeader(wrongCrc, kCentral, kCentralSize, longer);
    EXPECT_EQ(HashZipMember(dir.write("truncated.zip", wrongCrc), ""), "");
}

TEST_F(MediaHashTest, ForgedMemberSizes) {
    const std::string whole = test::readFile(zip);
    // The uncompressed size sits at offset 22 of the local header, 24 of the central one.
    auto forged = [&](std::uint32_t local, std::uint32_t central, const char* name) {
        std::string bytes = whole;
        if (local)
            patchHeader(bytes, kLocal, kLocalSize, local);
        patchHeader(bytes, kCentral, kCentralSize, central);
        return dir.write(name, bytes);
    };
    const std::string central = forged(0, 0xFFFFFFF0u, "central.zip");
    EXPECT_EQ(MainMediumSize(central, ""), "4194303 KB");  // the claim is only reported
    EXPECT_EQ(HashZipMember(central, ""), "");
    // The declared size is what is read; the rest fails the CRC, which is not held against it.
    EXPECT_EQ(HashZipMember(forged(1000, 1000, "short.zip"), ""), upperSha1(rom.substr(0, 1000)));

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

TEST_F(MediaHashTest, AMemberThatInflatesEnormouslyIsHashedInLittleMemory) {
    // 256 MiB of zeros in about a quarter of a megabyte.
    constexpr std::uint64_t kInflated = std::uint64_t{256} << 20;
    const std::string bomb = dir.file("bomb.zip");
    ASSERT_NO_FATAL_FAILURE(test::writeInflatingZip(bomb, "bomb.dsk", kInflated));
    ASSERT_LT(std::filesystem::file_size(bomb), kInflated / 500);
    CSHADigest digest;
    const std::string zeros(test::kInflatingPiece, '\0');
    for (std::uint64_t done = 0; done < kInflated; done += zeros.size())
        digest.Update(zeros.data(), zeros.size());
    digest.Final();
    const std::string expected = digest.DigestText();

    EXPECT_EQ(MainMediumSize(bomb, ""), "262144 KB");
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(HashZipMember(bomb, "bomb.dsk"), expected);
#else
    // A sixteenth of the member's size is room enough: it is never held whole.
    EXPECT_EXIT(
        {
            limitAddressSpace(kInflated / 16);
            std::_Exit(HashZipMember(bomb, "bomb.dsk") == expected ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
#endif
}
