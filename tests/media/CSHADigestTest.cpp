// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/CSHADigest.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "support/ZipFixture.h"

using namespace corvane;
using corvane::test::patternBytes;
using Engine = CSHADigest::Engine;

namespace {

// Hashes bytes in pieces of at most `piece` bytes.
std::string digestText(Engine engine, const std::string& bytes, std::size_t piece = SIZE_MAX) {
    CSHADigest digest(engine);
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        EXPECT_TRUE(digest.Update(bytes.data() + at, std::min(piece, bytes.size() - at)));
    EXPECT_EQ(digest.DigestText(), "");
    digest.Final();
    return digest.DigestText();
}

std::vector<Engine> engines() {
    if (!CSHADigest::engineAvailable(Engine::ShaExtensions))
        return {Engine::Portable};
    EXPECT_EQ(CSHADigest().engine(), Engine::ShaExtensions);
    return {Engine::Portable, Engine::ShaExtensions};
}

// Starts from a message length close to the 2^64-bit limit.
class LongMessageDigest : public CSHADigest {
public:
    explicit LongMessageDigest(std::uint64_t bits) {
        lengthLow_ = static_cast<std::uint32_t>(bits);
        lengthHigh_ = static_cast<std::uint32_t>(bits >> 32);
    }
};

}  // namespace

TEST(Sha1DigestTest, PublishedVectorsOnBothEngines) {
    const std::string million(1000000, 'a');
    for (Engine engine : engines()) {
        SCOPED_TRACE(static_cast<int>(engine));
        EXPECT_EQ(digestText(engine, ""), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
        EXPECT_EQ(digestText(engine, "abc"), "A9993E364706816ABA3E25717850C26C9CD0D89D");
        EXPECT_EQ(digestText(engine, "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
                  "84983E441C3BD26EBAAE4AA1F95129E5E54670F1");
        EXPECT_EQ(digestText(engine, million), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
        EXPECT_EQ(digestText(engine, million, 1000), "34AA973CD4C4DAA4F61EEB2BDBAD27316534016F");
    }
}

TEST(Sha1DigestTest, BlockBoundariesAgreeAcrossEnginesAndPieces) {
    // Digests of patternBytes(n) from an independent implementation.
    const std::pair<std::size_t, const char*> cases[] = {
        {1, "067D5096F219C64B53BB1C7D5E3754285B565A47"},
        {55, "E4716F32067F8010EAC8749E56E2EE75763D9C9D"},
        {56, "31BBFCF2B1E88BE06D69053958FBD77D96DEC3A7"},
        {63, "426F988CF251139BCFC6E78DE95F5F57154CE7EA"},
        {64, "FD88C4A45D544977C2BD0B3EAFFEF8B30F1FFAC3"},
        {65, "4B6CBC8ACF0875CD72B3B007926A097AE9D9EBAC"},
        {1000, "7BF3244E278695CBEE56F298C6492D4712CEF508"},
        {2000, "E253D6A9D13CAED55CBC9F3769DDCD19CCCB9497"},
    };
    for (Engine engine : engines()) {
        for (const auto& [size, expected] : cases) {
            const std::string bytes = patternBytes(size);
            for (std::size_t piece : {SIZE_MAX, std::size_t{1}, std::size_t{63}, std::size_t{65}})
                EXPECT_EQ(digestText(engine, bytes, piece), expected)
                    << "engine " << static_cast<int>(engine) << ", size " << size << ", pieces of "
                    << piece;
        }
    }
}

TEST(Sha1DigestTest, UpdateStopsAtTheLengthLimit) {
    const std::uint64_t limitBits = ~std::uint64_t{0} - 7;  // the last length that still fits
    const std::string bytes = patternBytes(20);
    auto textAfter = [&](std::uint64_t startBits, std::size_t count, bool fits) {
        LongMessageDigest digest(startBits);
        EXPECT_EQ(digest.Update(bytes.data(), count), fits) << count;
        digest.Final();
        return digest.DigestText();
    };
    // Of twenty bytes with room for ten, the ten that fit are kept.
    EXPECT_EQ(textAfter(limitBits - 80, 20, false), textAfter(limitBits - 80, 10, true));
    EXPECT_EQ(textAfter(limitBits, 0, true).size(), 40u);
    // A count whose bit length wraps past 2^64 must not look small.
    EXPECT_EQ(textAfter(limitBits - 8, (SIZE_MAX >> 3) + 2, false),
              textAfter(limitBits - 8, 1, true));
}

TEST(Sha1DigestTest, HashFile) {
    test::TempDir dir;
    const std::string big = dir.write("big.rom", patternBytes(3 * 1024 * 1024 + 17));
    for (Engine engine : engines()) {
        CSHADigest digest(engine);
        EXPECT_TRUE(digest.HashFile(big));  // several reads
        EXPECT_EQ(digest.DigestText(), "2F4C58097A2FB0200DBAB61575E29ADAD112F95E");
        EXPECT_TRUE(digest.HashFile(dir.write("2000.rom", patternBytes(2000))));
        EXPECT_EQ(digest.DigestText(), "E253D6A9D13CAED55CBC9F3769DDCD19CCCB9497");
        EXPECT_TRUE(digest.HashFile(dir.write("empty.rom", "")));
        EXPECT_EQ(digest.DigestText(), "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
        // A failure leaves no text behind, not even the previous file's.
        EXPECT_FALSE(digest.HashFile(dir.file("missing.rom")));
        EXPECT_EQ(digest.DigestText(), "");
        EXPECT_TRUE(digest.HashFile(big));
        EXPECT_FALSE(digest.HashFile(dir.path()));
        EXPECT_EQ(digest.DigestText(), "");
    }
}
