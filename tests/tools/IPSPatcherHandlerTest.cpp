// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/IPSPatcherHandler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "i18n/CatalogueFactory.h"
#include "media/CSHADigest.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using corvane::test::readFile;
using corvane::test::TempDir;

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

std::string bigEndian(std::size_t value, int bytes) {
    std::string out;
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
    return out;
}

std::string record(std::size_t offset, std::string_view data) {
    return bigEndian(offset, 3) + bigEndian(data.size(), 2) + std::string(data);
}

std::string runRecord(std::size_t offset, std::size_t length, char value) {
    return bigEndian(offset, 3) + bigEndian(0, 2) + bigEndian(length, 2) + value;
}

std::string ips(const std::string& records, const std::string& tail = "") {
    return "PATCH" + records + "EOF" + tail;
}

// A source, a patch and a target path in a fresh folder; every run also checks that a failure
// wrote nothing, so each case below only states its result.
struct Files {
    TempDir dir;
    std::string patch = dir.file("fix.ips");
    std::string source = dir.file("game.rom");
    std::string target = dir.file("out.rom");

    // Patches into the target, then the source itself; the result of both, which must agree.
    IPSResult run(std::string_view patchBytes, std::string_view sourceBytes,
                  std::string* output = nullptr) {
        std::filesystem::remove(target);
        dir.write("fix.ips", patchBytes);
        dir.write("game.rom", sourceBytes);
        IPSPatcherHandler handler;
        const IPSResult toTarget = handler.Apply(patch, source, target);
        EXPECT_TRUE(readFile(source) == sourceBytes);
        EXPECT_EQ(std::filesystem::exists(target), toTarget == IPSResult::Applied);
        const std::string written = toTarget == IPSResult::Applied ? readFile(target) : "";

        const IPSResult inPlace = handler.Apply(patch, source, std::nullopt);
        EXPECT_EQ(inPlace, toTarget);
        EXPECT_TRUE(readFile(source) == (inPlace == IPSResult::Applied ? written : sourceBytes));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
                  toTarget == IPSResult::Applied ? 3 : 2);
        if (output)
            *output = written;
        return toTarget;
    }

    std::string patched(std::string_view patchBytes, std::string_view sourceBytes) {
        std::string output;
        EXPECT_EQ(run(patchBytes, sourceBytes, &output), IPSResult::Applied);
        return output;
    }
};

// The format read plainly and apart from the engine: one byte at a time into a vector.
std::optional<std::vector<std::uint8_t>> modelPatch(const std::string& patch,
                                                    std::vector<std::uint8_t> image) {
    auto at = [&](std::size_t i) { return static_cast<std::size_t>(std::uint8_t(patch[i])); };
    if (patch.substr(0, 5) != "PATCH")
        return std::nullopt;
    std::size_t pos = 5;
    while (pos + 3 > patch.size() || patch.substr(pos, 3) != "EOF") {
        if (pos + 5 > patch.size())
            return std::nullopt;
        const std::size_t offset = at(pos) << 16 | at(pos + 1) << 8 | at(pos + 2);
        const std::size_t size = at(pos + 3) << 8 | at(pos + 4);
        pos += 5;
        const bool isRun = size == 0;
        const std::size_t count =
            isRun ? (pos + 2 <= patch.size() ? at(pos) << 8 | at(pos + 1) : 0) : size;
        if (pos + (isRun ? 3 : size) > patch.size())
            return std::nullopt;
        if (image.size() < offset + count)
            image.resize(offset + count, 0);
        for (std::size_t i = 0; i < count; ++i)
            image[offset + i] = static_cast<std::uint8_t>(isRun ? at(pos + 2) : at(pos + i));
        pos += isRun ? 3 : size;
    }
    if (patch.size() == pos + 6) {
        const std::size_t length = at(pos + 3) << 16 | at(pos + 4) << 8 | at(pos + 5);
        if (length > 0 && length < image.size())
            image.resize(length);
    }
    return image;
}

}  // namespace

TEST(IPSPatcherHandler, RecordsCopyFillAndGrow) {
    Files files;
    // The shortest patch rewrites the source as it was.
    EXPECT_EQ(files.patched(ips(""), "abcdef"), "abcdef");
    EXPECT_EQ(files.patched(ips(record(1, "XY") + record(4, "Z")), "abcdef"), "aXYdZf");
    // Past the end the image grows to exactly the record's end, zeros in the gap.
    EXPECT_EQ(files.patched(ips(record(6, "XY")), "abc"), std::string("abc\0\0\0XY", 8));
    EXPECT_EQ(files.patched(ips(runRecord(1, 3, '\xFF')), "abcdef"),
              "a\xFF\xFF\xFF"
              "ef");
    EXPECT_EQ(files.patched(ips(runRecord(4, 2, 'r')), "ab"), std::string("ab\0\0rr", 6));
    // An empty run still reaches its offset; later records overwrite earlier ones.
    EXPECT_EQ(files.patched(ips(runRecord(4, 0, 'r')), "ab"), std::string("ab\0\0", 4));
    EXPECT_EQ(files.patched(ips(runRecord(0, 4, 'r') + record(2, "W")), "abcdef"), "rrWref");
    // A record starting with "EOF" ends the records, whatever follows it.
    EXPECT_EQ(files.patched(ips("", record(0, "XYZ") + "EOF"), "abcdef"), "abcdef");

    // An existing target is replaced whole, however much longer it was.
    files.dir.write("out.rom", std::string(100, 'o'));
    IPSPatcherHandler handler;
    EXPECT_EQ(handler.Apply(files.patch, files.source, files.target), IPSResult::Applied);
    EXPECT_EQ(readFile(files.target), "abcdef");
}

TEST(IPSPatcherHandler, LengthAfterTheMarkerCutsOnlyWhenItEndsThePatch) {
    Files files;
    const std::string source = "0123456789";
    EXPECT_EQ(files.patched(ips("", bigEndian(4, 3)), source), "0123");
    EXPECT_EQ(files.patched(ips("", bigEndian(0, 3)), source), source);
    EXPECT_EQ(files.patched(ips("", bigEndian(10, 3)), source), source);
    EXPECT_EQ(files.patched(ips("", bigEndian(11, 3)), source), source);
    EXPECT_EQ(files.patched(ips("", bigEndian(4, 3).substr(1)), source), source);
    EXPECT_EQ(files.patched(ips("", bigEndian(4, 3) + "x"), source), source);
    // The cut comes after the records, so it may take back what they added.
    EXPECT_EQ(files.patched(ips(record(12, "AB"), bigEndian(13, 3)), source),
              std::string("0123456789\0\0A", 13));
}

TEST(IPSPatcherHandler, ChecksComeInOrderAndAFailureWritesNothing) {
    Files files;
    IPSPatcherHandler handler;
    EXPECT_EQ(handler.Apply("", "", std::nullopt), IPSResult::NoPatchPath);
    EXPECT_EQ(handler.Apply(files.patch, "", std::nullopt), IPSResult::NoSourcePath);
    EXPECT_EQ(handler.Apply(files.patch, files.source, files.target), IPSResult::PatchNotFound);

    EXPECT_EQ(files.run("", "abc"), IPSResult::PatchNotFound);
    EXPECT_EQ(files.run("PATCHEO", "abc"), IPSResult::InvalidPatch);
    EXPECT_EQ(files.run(ips("") + std::string(16 * kMiB - 7, 'x'), "abc"), IPSResult::InvalidPatch);
    EXPECT_EQ(files.run(ips("") + std::string(16 * kMiB - 8, 'x'), "abc"), IPSResult::Applied);
    EXPECT_EQ(files.run("PATCX" + record(0, "Z") + "EOF", "abc"), IPSResult::InvalidPatch);
    EXPECT_EQ(files.run(ips(""), ""), IPSResult::SourceNotFound);
    EXPECT_EQ(files.run(ips(""), std::string(16 * kMiB + 1, 's')), IPSResult::SourceTooBig);
    EXPECT_EQ(files.run(ips(""), std::string(16 * kMiB, 's')), IPSResult::Applied);

    // The patch's size is checked before the source, its header only after.
    std::filesystem::remove(files.source);
    std::filesystem::remove(files.target);
    files.dir.write("fix.ips", "PATCHEO");
    EXPECT_EQ(handler.Apply(files.patch, files.source, files.target), IPSResult::InvalidPatch);
    files.dir.write("fix.ips", "PATCX" + record(0, "Z") + "EOF");
    EXPECT_EQ(handler.Apply(files.patch, files.source, files.target), IPSResult::SourceNotFound);
    EXPECT_EQ(handler.Apply(files.dir.path(), files.source, files.target),
              IPSResult::PatchNotFound);
    EXPECT_FALSE(std::filesystem::exists(files.target));
}

TEST(IPSPatcherHandler, APatchEndingBeforeItsMarkerIsInvalid) {
    Files files;
    const std::string first = record(0, "ab");
    for (const std::string& last : {record(3, "WXYZ"), runRecord(3, 5, 'r')}) {
        for (std::size_t cut = 0; cut <= last.size(); ++cut) {
            SCOPED_TRACE(cut);
            EXPECT_EQ(files.run("PATCH" + first + last.substr(0, cut), "source"),
                      IPSResult::InvalidPatch);
            // Part of the marker is no marker.
            EXPECT_EQ(files.run("PATCH" + first + last.substr(0, cut) + "EO", "source"),
                      IPSResult::InvalidPatch);
        }
        EXPECT_EQ(files.run(ips(first + last), "source"), IPSResult::Applied);
    }
}

TEST(IPSPatcherHandler, GrowsPastTheSourceLimit) {
    Files files;
    const std::string source(16 * kMiB, 's');
    const std::string data(0xFFFF, 'd');
    for (const std::string& patch :
         {ips(record(0xFFFFFF, data)), ips(runRecord(0xFFFFFF, 0xFFFF, 'd'))}) {
        const std::string output = files.patched(patch, source);
        EXPECT_EQ(output.size(), 0xFFFFFFu + 0xFFFF);
        EXPECT_TRUE(output.substr(0, 0xFFFFFF) == source.substr(0, 0xFFFFFF));
        EXPECT_TRUE(output.substr(0xFFFFFF) == data);
    }
}

TEST(IPSPatcherHandler, AFailedWriteLeavesTheSourceAsItWas) {
    TempDir dir;
    const std::string source = dir.write("game.rom", test::patternBytes(256 * 1024));
    const std::string patch = dir.write("fix.ips", ips(record(10, "changed")));
    const std::string target = dir.file("out.rom");
    for (const std::optional<std::string>& output :
         {std::optional(target), std::optional<std::string>()}) {
        EXPECT_TRUE(test::passesWithFileSizeLimit(64 * 1024, [&] {
            IPSPatcherHandler handler;
            return handler.Apply(patch, source, output) == IPSResult::CannotWrite;
        }));
        EXPECT_TRUE(readFile(source) == test::patternBytes(256 * 1024));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    }

    // Where the target cannot be made, nothing is either.
    IPSPatcherHandler handler;
    EXPECT_EQ(handler.Apply(patch, source, dir.file("missing/out.rom")), IPSResult::CannotWrite);
    EXPECT_EQ(handler.Apply(patch, source, dir.path()), IPSResult::CannotWrite);
    EXPECT_EQ(handler.Apply(patch, source, std::string()), IPSResult::CannotWrite);
    EXPECT_TRUE(readFile(source) == test::patternBytes(256 * 1024));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(IPSPatcherHandler, Sha1IsComparedWithoutLetterCase) {
    TempDir dir;
    const std::string abc = dir.write("abc.rom", "abc");
    const std::string sha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
    EXPECT_TRUE(IPSPatcherHandler::SourceHasSha1(abc, sha1));
    EXPECT_TRUE(IPSPatcherHandler::SourceHasSha1(abc, "A9993E364706816ABA3E25717850C26C9CD0D89D"));
    EXPECT_FALSE(IPSPatcherHandler::SourceHasSha1(abc, sha1 + " "));
    EXPECT_FALSE(IPSPatcherHandler::SourceHasSha1(abc, ""));
    EXPECT_FALSE(IPSPatcherHandler::SourceHasSha1(dir.file("missing.rom"), sha1));
    EXPECT_TRUE(IPSPatcherHandler::SourceHasSha1(dir.file("missing.rom"), ""));

    // An archive is hashed whole, not by its member.
    const std::string zip = dir.file("abc.zip");
    test::writeZip(zip, {{"abc.rom", "abc"}});
    EXPECT_FALSE(IPSPatcherHandler::SourceHasSha1(zip, sha1));
    dir.write("copy.rom", readFile(zip));
    CSHADigest whole;
    ASSERT_TRUE(whole.HashFile(dir.file("copy.rom")));
    EXPECT_TRUE(IPSPatcherHandler::SourceHasSha1(zip, whole.DigestText()));
}

TEST(IPSPatcherHandler, EveryShownResultHasItsMessageInEveryLanguage) {
    const std::vector<std::pair<IPSResult, std::string_view>> shown = {
        {IPSResult::Applied, "Patch was applied successfully"},
        {IPSResult::PatchNotFound, "IPS file not found"},
        {IPSResult::InvalidPatch, "Invalid IPS file"},
        {IPSResult::SourceNotFound, "File to patch not found"},
        {IPSResult::SourceTooBig, "Source file too big to be patched"},
        {IPSResult::CannotWrite, "Cannot save patched file"}};
    const std::vector<CatalogueEntry> catalogues = allCatalogues();
    for (const CatalogueEntry& entry : catalogues) {
        for (const auto& [result, english] : shown) {
            const std::string_view key = IPSPatcherHandler::MessageKey(result);
            ASSERT_TRUE(entry.catalogue->keys().contains(key)) << key;
            // English comes first.
            if (&entry == &catalogues.front()) {
                EXPECT_EQ(entry.catalogue->textForKey(key), english);
            }
        }
    }
    EXPECT_EQ(IPSPatcherHandler::MessageKey(IPSResult::NoPatchPath), "");
    EXPECT_EQ(IPSPatcherHandler::MessageKey(IPSResult::NoSourcePath), "");
}

TEST(IPSPatcherHandler, AgreesWithAPlainModelOnRandomPatches) {
    std::mt19937 random(20240522);
    auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto bytes = [&](std::size_t n) {
        std::string out(n, '\0');
        for (char& c : out)
            c = static_cast<char>(below(256));
        return out;
    };
    Files files;
    int invalid = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string source = bytes(1 + below(300));
        std::string records;
        for (std::size_t n = below(8); n > 0; --n) {
            const std::size_t offset = below(source.size() + 64);
            records += below(3) == 0 ? runRecord(offset, below(64), static_cast<char>(below(256)))
                                     : record(offset, bytes(1 + below(64)));
        }
        // A length after the marker, sometimes with a byte too few or too many.
        std::string tail = bigEndian(below(source.size() + 64), 3);
        const std::size_t shape = below(4);
        if (shape == 0)
            tail.clear();
        else if (shape == 2)
            tail += bytes(1 + below(3));
        else if (shape == 3)
            tail.resize(below(3));
        std::string patch = ips(records, tail);
        if (below(6) == 0)
            patch.resize(5 + below(patch.size() - 5));

        SCOPED_TRACE(round);
        const auto expected =
            modelPatch(patch, std::vector<std::uint8_t>(source.begin(), source.end()));
        std::string image = source;
        const IPSResult result = IPSPatcherHandler::Patch(patch, image);
        ASSERT_EQ(result, expected ? IPSResult::Applied : IPSResult::InvalidPatch);
        ASSERT_TRUE(image == (expected ? std::string(expected->begin(), expected->end()) : source));
        invalid += !expected;
        if (round % 100 == 0 && patch.size() >= IPSPatcherHandler::kMinPatchSize) {
            EXPECT_EQ(files.run(patch, source), result);
        }
    }
    // Both kinds of patches were met often enough to mean something.
    EXPECT_GT(invalid, 200);
    EXPECT_LT(invalid, 1500);
}
